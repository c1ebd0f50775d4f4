#include "plugins/wizard/color_edit.h"

namespace wizard {

void TColorEdit::SetColors(COLORREF fieldColor, COLORREF textColor) {
  ownField_ = true;
  field_ = fieldColor;
  brush_.Reset(CreateSolidBrush(fieldColor));
  SetFontColor(textColor);
}

void TColorEdit::SetSystemColors() {
  ownField_ = false;
  brush_.Reset(nullptr);
  SetFontColor(GetSysColor(COLOR_WINDOWTEXT));
}

HBRUSH TColorEdit::CtlColor(HDC dc) {
  SetTextColor(dc, GetFont().color);
  if (!ownField_ || !brush_) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }
  SetBkColor(dc, field_);
  return brush_.Get();
}

}  // namespace wizard
