#include "plugins/wizard/skin_binding.h"

#include "framework/core/plugin_contract.h"

namespace wizard {
namespace {

using NewLustreaProc = void(WINAPI*)(HWND form, DWORD languageId);
using ActiveLustreaProc = void(WINAPI*)();

}  // namespace

SkinBinding::SkinBinding(const std::wstring& formsRoot, HWND form, uint16_t languageId)
    : path_(formsRoot + contract::kSkinLibrary), library_(std::make_unique<framework::PluginLibrary>(path_)) {
  if (const auto create = library_->Entry<NewLustreaProc>("New_Lustrea")) create(form, languageId);
}

void SkinBinding::Activate() const {
  framework::PluginLibrary again(path_);
  if (const auto activate = again.Entry<ActiveLustreaProc>("Active_Lustrea")) activate();
}

}  // namespace wizard
