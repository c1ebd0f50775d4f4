#include "tests/wine/wizard/host_wizard_steps.h"

#include "tests/wine/driver/driver.h"

namespace wizard_test {

HWND HostStep(DWORD processId, int step, DWORD timeoutMs) {
  const std::wstring caption = L"FCorvilStep" + std::to_wstring(step);
  HWND found = nullptr;
  driver::WaitUntil([&] {
    found = driver::FindTopWindowOfProcess(processId, caption, 0);
    return found != nullptr && IsWindowVisible(found) && IsWindowEnabled(found);
  }, timeoutMs);
  return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

bool HostStepGone(DWORD processId, int step, DWORD timeoutMs) {
  const std::wstring caption = L"FCorvilStep" + std::to_wstring(step);
  return driver::WaitUntil([&] {
    HWND window = driver::FindTopWindowOfProcess(processId, caption, 0);
    return window == nullptr || !IsWindowVisible(window);
  }, timeoutMs);
}

}  // namespace wizard_test
