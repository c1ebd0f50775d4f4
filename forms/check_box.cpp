#include "forms/check_box.h"

#include "forms/form.h"

namespace forms {

CheckBox::CheckBox(Form& owner, const std::wstring& name, const Bounds& bounds, const std::wstring& caption)
    : Control(owner, name, L"TCheckBox",
              {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0, bounds, caption}) {}

bool CheckBox::Checked() const {
  return Handle() != nullptr && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  if (Handle() != nullptr) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Command(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

HBRUSH CheckBox::CtlColor(HDC dc) { return FormColoredBackground(*this, dc, background_); }

HBRUSH FormColoredBackground(const Control& control, HDC dc, BrushHandle& cache) {
  if (control.Orphaned()) return nullptr;
  const COLORREF color = control.Owner().Color();
  LOGBRUSH current = {};
  if (!cache || GetObjectW(cache.Get(), sizeof(current), &current) == 0 || current.lbColor != color) {
    cache.Reset(CreateSolidBrush(color));
  }
  SetBkColor(dc, color);
  SetTextColor(dc, control.GetFont().color);
  return cache.Get();
}

}  // namespace forms
