// What every control skin of one form shares: the form's bitmaps and the form itself.
#pragma once
#include <windows.h>

#include "forms/component_props.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

struct SkinContext {
  GraphicEngine* engine = nullptr;
  HWND form = nullptr;

  // The form's "Color" property (check and radio backgrounds).
  COLORREF FormColour() const {
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(form, forms::kPropColor)));
  }
};

}  // namespace skin
