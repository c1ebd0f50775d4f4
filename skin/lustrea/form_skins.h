// The skins created through the library, one per form window, each freed with its window.
#pragma once
#include <windows.h>

#include <cstdint>

namespace lustrea {

// Creates the skin of `form` (replacing an earlier one of the same form) and remembers it as the
// latest. A handle that is not a window creates nothing and clears the latest.
void CreateFormSkin(HWND form, uint16_t languageId);
// Activates the latest skin, if its form still exists.
void ActivateLatestSkin();
// Skins alive now (for tests through the exports' behaviour, and diagnostics).
size_t LiveFormSkins();

}  // namespace lustrea
