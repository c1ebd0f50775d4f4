// A font as the forms describe it: face, character height in pixels, weight and colour.
#pragma once
#include <windows.h>

#include <string>

#include "forms/gdi_handles.h"

namespace forms {

struct Font {
  std::wstring name = L"Tahoma";
  int height = 11;  // character height in pixels (8 pt Tahoma at 96 dpi)
  bool bold = false;
  COLORREF color = RGB(0, 0, 0);

  // A new GDI font; a face name longer than LOGFONT allows is cut, a height below 1 becomes 1.
  FontHandle Create() const;
  // Same GDI font (colour aside).
  bool SameFace(const Font& other) const {
    return name == other.name && height == other.height && bold == other.bold;
  }
};

}  // namespace forms
