// A push button (BUTTON). A modal result other than kNone is handed to the form after OnClick, which
// ends a modal form's loop.
#pragma once
#include "forms/control.h"

namespace forms {

class Button : public Control {
 public:
  Button(Form& owner, const std::wstring& name, const Bounds& bounds = {}, const std::wstring& caption = L"");

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // Sends the click as the user's would arrive (BM_CLICK). A disabled button does not click, not
  // even for a BM_CLICK sent from outside (Wine would deliver it).
  void Click();

  NotifyHandler OnClick;

 private:
  void Command(WORD code) override;
  int modalResult_ = 0;
};

}  // namespace forms
