// The skin of a step form, from the skin library <forms root>Lustrea\Lustrea.dll: New_Lustrea when
// the form is constructed, Active_Lustrea when it is created. A missing library or export leaves the
// form unskinned; nothing is called that was not found.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/win32/plugin_library.h"

namespace wizard {

class SkinBinding {
 public:
  // Loads the library and creates the form's skin.
  SkinBinding(const std::wstring& formsRoot, HWND form, uint16_t languageId);
  // Loads the library again (the same module) and activates the latest skin.
  void Activate() const;

 private:
  std::wstring path_;
  // Held for the form's life; the library pins itself anyway, as its window procedures stay hooked.
  std::unique_ptr<framework::PluginLibrary> library_;
};

}  // namespace wizard
