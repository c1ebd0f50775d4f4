#include "forms/combo_box.h"

#include <algorithm>

namespace forms {
namespace {
// Height of the open list, added to the window height that CreateWindow and SetWindowPos take.
constexpr int kDropDownHeight = 160;
}  // namespace

ComboBox::ComboBox(Form& owner, const std::wstring& name, const Bounds& bounds)
    : Control(owner, name, L"TComboBox",
              {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0,
               {bounds.left, bounds.top, bounds.width, std::max(bounds.height, 0) + kDropDownHeight}, L""}) {}

void ComboBox::SetBounds(int left, int top, int width, int height) {
  Control::SetBounds(left, top, width, std::max(height, 0) + kDropDownHeight);
}

void ComboBox::AddItem(const std::wstring& item) {
  if (Handle() != nullptr) SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::Clear() {
  if (Handle() != nullptr) SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}

int ComboBox::Count() const {
  return Handle() != nullptr ? static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)) : 0;
}

std::wstring ComboBox::Item(int index) const {
  if (index < 0 || index >= Count()) return std::wstring();
  const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

int ComboBox::ItemIndex() const {
  if (Handle() == nullptr) return -1;
  const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::SetItemIndex(int index) {
  if (Handle() != nullptr) SendMessageW(Handle(), CB_SETCURSEL, index < 0 ? -1 : index, 0);
}

void ComboBox::Command(WORD code) {
  if (code == CBN_SELCHANGE && OnChange) OnChange();
}

}  // namespace forms
