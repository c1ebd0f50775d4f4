#include "framework/win32/skin_library.h"

#include "framework/core/plugin_contract.h"

namespace framework {
namespace {

using NewLustreaProc = void(WINAPI*)(HWND form, DWORD languageId);
using ActiveLustreaProc = void(WINAPI*)();

template <typename Proc>
Proc Export(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void SkinLibrary::Load(const std::wstring& formsRoot) {
  if (module_ != nullptr) return;
  const std::wstring path = formsRoot + contract::kSkinLibrary;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetErrorMode(oldMode);
}

void SkinLibrary::NewSkin(HWND form, uint16_t languageId) const {
  if (auto proc = Export<NewLustreaProc>(module_, "New_Lustrea")) proc(form, languageId);
}

void SkinLibrary::Activate() const {
  if (auto proc = Export<ActiveLustreaProc>(module_, "Active_Lustrea")) proc();
}

}  // namespace framework
