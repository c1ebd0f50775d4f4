#include "tests/wine/manager/manager_drive.h"

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"

namespace manager_test {

namespace {

struct VisibleSearch {
  DWORD processId;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<VisibleSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  if (owner != search->processId || !IsWindowVisible(window) || lstrcmpW(text, search->caption) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

// The manager takes input again: no question of it is open.
void WaitReady(HWND form) { driver::WaitUntil([&] { return IsWindowEnabled(form) != FALSE; }); }

}  // namespace

HWND WaitWindow(DWORD processId, const wchar_t* caption, DWORD timeoutMs) {
  // Only a visible one: the window of an earlier question may linger hidden until it is destroyed.
  VisibleSearch search{processId, caption, nullptr};
  driver::WaitUntil([&] {
    EnumWindows(&MatchVisible, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

std::wstring TextOf(HWND form, const std::wstring& name) { return driver::GetText(driver::FindComponent(form, name)); }

bool IsShown(HWND form, const std::wstring& name) {
  HWND control = driver::FindComponent(form, name);
  return control != nullptr && IsWindowVisible(control);
}

bool IsTicked(HWND form, const std::wstring& name) { return driver::IsChecked(driver::FindComponent(form, name)); }

void ClickNow(HWND form, const std::wstring& name) {
  WaitReady(form);
  HWND control = driver::FindComponent(form, name);
  if (control != nullptr && driver::WaitEnabled(control, true)) driver::Click(control);
}

void ClickLater(HWND form, const std::wstring& name) {
  WaitReady(form);
  HWND control = driver::FindComponent(form, name);
  if (control != nullptr && driver::WaitEnabled(control, true)) driver::Click(control, driver::Delivery::kPost);
}

void ClickLabel(HWND form, const std::wstring& name) {
  HWND label = driver::FindComponent(form, name);
  if (label == nullptr) return;
  WaitReady(form);
  PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

bool Answer(DWORD processId, const wchar_t* caption, const wchar_t* button, const wchar_t* text) {
  HWND dialog = WaitWindow(processId, caption);
  if (dialog == nullptr) return false;
  if (text != nullptr) driver::SetText(driver::FindComponent(dialog, L"ed_Text"), text);
  HWND control = driver::FindComponent(dialog, button);
  if (control == nullptr || !driver::WaitEnabled(control, true)) return false;
  driver::Click(control, driver::Delivery::kPost);
  // Gone for good: the caller then goes on with the answer (and sends its update).
  return driver::WaitUntil([&] { return !IsWindow(dialog); });
}

bool Screenshot(HWND window, const std::wstring& path) {
  Sleep(400);  // the skin's first paint settles
  return driver::WritePng(driver::CaptureWindow(window), path);
}

}  // namespace manager_test
