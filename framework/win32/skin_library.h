// The skin library Lustrea.dll as the host and the plug-ins use it: loaded by full path and never
// unloaded (the windows it skins keep procedures inside it), and its two exports.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace framework {

class SkinLibrary {
 public:
  // Loads <formsRoot>Lustrea\Lustrea.dll; a missing library leaves the windows unskinned.
  void Load(const std::wstring& formsRoot);
  // New_Lustrea(form, languageId); nothing without the library.
  void NewSkin(HWND form, uint16_t languageId) const;
  // Active_Lustrea(); nothing without the library.
  void Activate() const;
  bool Loaded() const { return module_ != nullptr; }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace framework
