// The paint shared by check boxes and radio buttons: form colour, the box cell, an optional caption.
#pragma once
#include <windows.h>

#include "skin/core/outline.h"
#include "skin/win32/dib_bitmap.h"
#include "skin/win32/pointer_state.h"
#include "skin/win32/skin_context.h"

namespace skin {

struct CheckPaintParts {
  DibBitmap& work;
  DibBitmap& cell;
  Outline& cachedOutline;
};

void PaintCheckLike(const SkinContext& context, HWND control, const PointerState& pointer,
                    bool drawCaption, CheckPaintParts parts);

}  // namespace skin
