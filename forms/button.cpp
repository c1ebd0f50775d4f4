#include "forms/button.h"

#include "forms/form.h"

namespace forms {

Button::Button(Form& owner, const std::wstring& name, const Bounds& bounds, const std::wstring& caption)
    : Control(owner, name, L"TButton",
              {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, bounds, caption}) {}

void Button::Click() {
  if (Handle() != nullptr) SendMessageW(Handle(), BM_CLICK, 0, 0);
}

void Button::Command(WORD code) {
  if (code != BN_CLICKED || !Enabled()) return;
  if (OnClick) OnClick();
  if (modalResult_ != 0 && !Orphaned()) Owner().SetModalResult(modalResult_);
}

}  // namespace forms
