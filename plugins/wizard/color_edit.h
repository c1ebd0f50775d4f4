// An edit whose field and text colours are set by the form, also while it is disabled (the system
// would grey a disabled field).
#pragma once
#include "forms/edit.h"
#include "forms/gdi_handles.h"

namespace wizard {

class TColorEdit : public forms::Edit {
 public:
  using forms::Edit::Edit;

  // fieldColor: COLORREF of the field; the text colour is the font colour.
  void SetColors(COLORREF fieldColor, COLORREF textColor);
  void SetSystemColors();  // clWindow field, clWindowText text

 private:
  HBRUSH CtlColor(HDC dc) override;

  bool ownField_ = false;
  COLORREF field_ = 0;
  forms::BrushHandle brush_;
};

}  // namespace wizard
