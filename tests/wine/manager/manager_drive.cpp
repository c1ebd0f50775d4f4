#include "tests/wine/manager/manager_drive.h"

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"

namespace manager_test {

HWND WaitWindow(DWORD processId, const wchar_t* caption, DWORD timeoutMs) {
  HWND window = driver::FindTopWindowOfProcess(processId, caption, timeoutMs);
  if (window == nullptr || !driver::WaitVisible(window, true, timeoutMs)) return nullptr;
  return window;
}

std::wstring TextOf(HWND form, const std::wstring& name) { return driver::GetText(driver::FindComponent(form, name)); }

bool IsShown(HWND form, const std::wstring& name) {
  HWND control = driver::FindComponent(form, name);
  return control != nullptr && IsWindowVisible(control);
}

bool IsTicked(HWND form, const std::wstring& name) { return driver::IsChecked(driver::FindComponent(form, name)); }

void ClickNow(HWND form, const std::wstring& name) {
  HWND control = driver::FindComponent(form, name);
  if (control != nullptr && driver::WaitEnabled(control, true)) driver::Click(control);
}

void ClickLater(HWND form, const std::wstring& name) {
  HWND control = driver::FindComponent(form, name);
  if (control != nullptr && driver::WaitEnabled(control, true)) driver::Click(control, driver::Delivery::kPost);
}

void ClickLabel(HWND form, const std::wstring& name) {
  HWND label = driver::FindComponent(form, name);
  if (label == nullptr) return;
  driver::WaitEnabled(form, true);
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
  return driver::WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool Screenshot(HWND window, const std::wstring& path) {
  Sleep(400);  // the skin's first paint settles
  return driver::WritePng(driver::CaptureWindow(window), path);
}

}  // namespace manager_test
