// Outlines read from bitmaps with one bulk pixel read, never pixel by pixel through GDI.
#pragma once
#include <windows.h>

#include "skin/core/geometry.h"
#include "skin/core/outline.h"
#include "skin/win32/dib_bitmap.h"

namespace skin {

// The outline of a DIB's pixels, key colour its pixel (0, 0).
Outline OutlineOfDib(const DibBitmap& bitmap);

// The outline of any bitmap over `area` (from its top-left corner); pixels of `area` beyond the
// bitmap count as key colour. Empty when the bitmap cannot be read.
Outline OutlineOfBitmap(HBITMAP bitmap, Size area);

}  // namespace skin
