#include "tests/wine/host/host_session.h"


#include "tests/wine/driver/driver.h"

namespace host_test {

HostRun::HostRun(const HostInstallation& installation, const std::wstring& workingFolder)
    : process_(installation.Program(), L"", workingFolder.empty() ? installation.Folder() : workingFolder) {
  if (process_.Started()) window_ = driver::FindFormOfProcess(process_.Id(), kMainForm, 20000);
}

HWND HostRun::Component(const std::wstring& name) const { return driver::FindComponent(window_, name); }

void HostRun::Press(const std::wstring& button) {
  HWND control = Component(button);
  driver::WaitEnabled(window_, true);
  driver::Click(control, driver::Delivery::kPost);
}

HWND HostRun::Dialog() const { return driver::FindTopWindowOfProcess(process_.Id(), kAckboxCaption, 0); }

std::wstring HostRun::DialogText(DWORD timeoutMs) {
  HWND dialog = driver::FindTopWindowOfProcess(process_.Id(), kAckboxCaption, timeoutMs);
  if (dialog == nullptr) return std::wstring();
  driver::WaitVisible(dialog, true);
  return driver::GetText(driver::FindComponent(dialog, L"lb_Message"));
}

void HostRun::DismissDialog() {
  HWND dialog = Dialog();
  if (dialog == nullptr) return;
  driver::Click(driver::FindComponent(dialog, L"bt_OK"), driver::Delivery::kPost);
  driver::WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

DWORD HostRun::ExitCode(DWORD timeoutMs) {
  DWORD code = 0;
  return process_.WaitExit(timeoutMs, &code) ? code : 0xDEAD0000;
}

bool HostRun::WaitIdle(DWORD timeoutMs) { return driver::WaitEnabled(window_, true, timeoutMs); }

std::string ReadText(const std::wstring& path) { return ReadAll(path); }

std::wstring HostFile(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c != 0; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

}  // namespace host_test
