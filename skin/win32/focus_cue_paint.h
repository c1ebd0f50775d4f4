// Puts the keyboard-focus cue into a composed work bitmap, and gives up a control's outline when it
// falls back to the standard control.
#pragma once
#include <windows.h>

#include "skin/core/geometry.h"
#include "skin/core/outline.h"
#include "skin/win32/dib_bitmap.h"

namespace skin {

// A dotted ring `inset` pixels inside `bounds`, in the palette colour that stands out against the
// pixels under it. keepKeyPixels: pixels of the key colour (pixel (0, 0)) are left alone, so that a
// shaped or transparent control's outline does not grow by the ring.
void DrawFocusCue(DibBitmap& work, Rect bounds, int inset, bool keepKeyPixels);

// A control that draws itself as the standard control is not cut by an outline from its skin.
void ReleaseOutline(HWND control, Outline& cached);

}  // namespace skin
