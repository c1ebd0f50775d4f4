// A single-line text field (EDIT).
#pragma once
#include "forms/control.h"

namespace forms {

class Edit : public Control {
 public:
  Edit(Form& owner, const std::wstring& name, const Bounds& bounds = {}, const std::wstring& text = L"");

  // Text longer than MaxLength is cut to it, whether typed, set from code or sent by another
  // process (WM_SETTEXT).
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);  // 0 = no limit
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  NotifyHandler OnChange;

 protected:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // For controls that are an edit under another class name (TLabeledEdit).
  Edit(Form& owner, const std::wstring& name, const wchar_t* className, const Bounds& bounds,
       const std::wstring& text);

 private:
  void Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;
  int maxLength_ = 0;
};

}  // namespace forms
