// A check box (BUTTON, BS_AUTOCHECKBOX): the control toggles itself, OnClick follows.
#pragma once
#include "forms/control.h"

namespace forms {

class CheckBox : public Control {
 public:
  CheckBox(Form& owner, const std::wstring& name, const Bounds& bounds = {}, const std::wstring& caption = L"");

  bool Checked() const;
  void SetChecked(bool checked);  // no OnClick, as with the standard control

  NotifyHandler OnClick;

 private:
  void Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;
  BrushHandle background_;
};

// Shared by check boxes and radio buttons: the form's colour behind the box and caption.
HBRUSH FormColoredBackground(const Control& control, HDC dc, BrushHandle& cache);

}  // namespace forms
