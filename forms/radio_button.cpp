#include "forms/radio_button.h"

#include "forms/check_box.h"
#include "forms/component_props.h"

namespace forms {
namespace {

// Whether the nearest earlier control that takes part in keyboard groups is a radio button.
bool FollowsRadioButton(HWND hwnd) {
  for (HWND h = GetWindow(hwnd, GW_HWNDPREV); h != nullptr; h = GetWindow(h, GW_HWNDPREV)) {
    const std::wstring className = ComponentClass(h);
    if (className == L"TLabel" || className == L"TImage" || className == L"TPanel") continue;
    return className == L"TRadioButton";
  }
  return false;
}

}  // namespace

RadioButton::RadioButton(Form& owner, const std::wstring& name, const Bounds& bounds,
                         const std::wstring& caption)
    : Control(owner, name, L"TRadioButton", {L"BUTTON", BS_AUTORADIOBUTTON, 0, bounds, caption}) {
  if (Handle() != nullptr && !FollowsRadioButton(Handle())) StartGroup();
}

void RadioButton::StartGroup() {
  if (Handle() == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, style | WS_GROUP | WS_TABSTOP);
}

bool RadioButton::Checked() const {
  return Handle() != nullptr && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
  if (Handle() == nullptr) return;
  if (checked) {
    // BM_SETCHECK alone leaves the rest of the group checked. The group runs from the nearest
    // WS_GROUP sibling at or before this button up to the next WS_GROUP sibling.
    HWND start = Handle();
    while ((GetWindowLongPtrW(start, GWL_STYLE) & WS_GROUP) == 0) {
      HWND previous = GetWindow(start, GW_HWNDPREV);
      if (previous == nullptr) break;
      start = previous;
    }
    for (HWND h = start; h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
      if (h != start && (GetWindowLongPtrW(h, GWL_STYLE) & WS_GROUP) != 0) break;
      if (h != Handle() && ComponentClass(h) == L"TRadioButton") SendMessageW(h, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::Command(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

HBRUSH RadioButton::CtlColor(HDC dc) { return FormColoredBackground(*this, dc, background_); }

}  // namespace forms
