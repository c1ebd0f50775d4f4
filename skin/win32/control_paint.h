// What the four control skins read from their control and how they put the composed image on it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "skin/core/geometry.h"
#include "skin/core/outline.h"
#include "skin/core/skin_tag.h"
#include "skin/win32/dib_bitmap.h"

namespace skin {

Size ControlSize(HWND control);
std::wstring ControlCaption(HWND control);
// The control's font; the system font when it has none (as the control itself then draws).
HFONT ControlFont(HWND control);
// The colour of the control's own font, when its form gave it one.
std::optional<uint32_t> ControlFontColour(HWND control);
Size TextSize(HDC dc, const std::wstring& text);

// Ends a paint: the work bitmap onto the control at (0, 0, its size) by the output mode digit;
// modes 2 and 3 also shape the control from the work bitmap (kept in `cached`).
void OutputWork(HWND control, const DibBitmap& work, HDC workDC, OutputMode mode, Outline& cached);

}  // namespace skin
