#include "forms/edit.h"

#include <algorithm>
#include <cwchar>

namespace forms {

Edit::Edit(Form& owner, const std::wstring& name, const Bounds& bounds, const std::wstring& text)
    : Edit(owner, name, L"TEdit", bounds, text) {}

Edit::Edit(Form& owner, const std::wstring& name, const wchar_t* className, const Bounds& bounds,
           const std::wstring& text)
    : Control(owner, name, className,
              {L"EDIT", ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE, bounds, text}) {}

bool Edit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // EM_LIMITTEXT only stops typing; text set through the window text is cut here.
  if (message == WM_SETTEXT && maxLength_ > 0 && lParam != 0) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    if (wcslen(text) > static_cast<size_t>(maxLength_)) {
      const std::wstring cut(text, maxLength_);
      *result = CallDefault(message, wParam, reinterpret_cast<LPARAM>(cut.c_str()));
      return true;
    }
  }
  return Control::HandleMessage(message, wParam, lParam, result);
}

void Edit::SetMaxLength(int maxLength) {
  maxLength_ = std::max(maxLength, 0);
  if (Handle() == nullptr) return;
  SendMessageW(Handle(), EM_LIMITTEXT, maxLength_, 0);
  const std::wstring current = Caption();
  if (maxLength_ > 0 && current.size() > static_cast<size_t>(maxLength_)) SetCaption(current);  // cuts it
}

bool Edit::ReadOnly() const {
  return Handle() != nullptr && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void Edit::SetReadOnly(bool readOnly) {
  if (Handle() != nullptr) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void Edit::Command(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

HBRUSH Edit::CtlColor(HDC dc) {
  // A read-only edit keeps the white field of an editable one (the system would grey it).
  SetTextColor(dc, GetFont().color);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace forms
