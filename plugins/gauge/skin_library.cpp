#include "plugins/gauge/skin_library.h"

#include "framework/core/plugin_contract.h"
#include "framework/win32/plugin_library.h"

namespace gauge {
namespace {

using NewLustreaProc = void(WINAPI*)(HWND form, DWORD languageId);
using ActiveLustreaProc = void(WINAPI*)();

// Never freed: window procedures of skinned controls point into it.
framework::PluginLibrary* skinLibrary = nullptr;

const framework::PluginLibrary* Library(const std::wstring& formsRoot) {
  if (skinLibrary == nullptr) skinLibrary = new framework::PluginLibrary(formsRoot + contract::kSkinLibrary);
  return skinLibrary;
}

}  // namespace

bool NewSkin(const std::wstring& formsRoot, HWND form, uint16_t languageId) {
  const auto create = Library(formsRoot)->Entry<NewLustreaProc>("New_Lustrea");
  if (create == nullptr) return false;
  create(form, languageId);
  return true;
}

bool ActivateSkin(const std::wstring& formsRoot) {
  const auto activate = Library(formsRoot)->Entry<ActiveLustreaProc>("Active_Lustrea");
  if (activate == nullptr) return false;
  activate();
  return true;
}

}  // namespace gauge
