// A radio button (BUTTON, BS_AUTORADIOBUTTON). Radio buttons created one after another (labels and
// images between them do not count) form one group: checking one unchecks the others.
#pragma once
#include "forms/control.h"

namespace forms {

class RadioButton : public Control {
 public:
  RadioButton(Form& owner, const std::wstring& name, const Bounds& bounds = {},
              const std::wstring& caption = L"");

  bool Checked() const;
  void SetChecked(bool checked);  // unchecks the rest of the group when true
  // Makes this button the first of a new group, ending the group before it.
  void StartGroup();

  NotifyHandler OnClick;

 private:
  void Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;
  BrushHandle background_;
};

}  // namespace forms
