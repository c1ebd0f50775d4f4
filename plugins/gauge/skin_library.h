// The skin library Lustrea.dll as the signal display reaches it: loaded once by full path from the
// forms root and kept for the life of the process (the skins it creates hook window procedures that
// live in it). A missing library or export leaves the form unskinned; nothing is called blindly.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace gauge {

// New_Lustrea(form, languageId): creates the form's skin. False when the library or export is missing.
bool NewSkin(const std::wstring& formsRoot, HWND form, uint16_t languageId);
// Active_Lustrea(): activates the skin created last. False when the library or export is missing.
bool ActivateSkin(const std::wstring& formsRoot);

}  // namespace gauge
