#include "tests/wine/wizard/fake_host.h"

#include "framework/core/plugin_contract.h"

namespace wizard_test {
namespace {

constexpr wchar_t kClassName[] = L"WizardTestFakeHost";

}  // namespace

FakeHost::FakeHost()
    : start_(RegisterWindowMessageW(contract::kPairStart)),
      getId_(RegisterWindowMessageW(contract::kPairGetId)),
      returnId_(RegisterWindowMessageW(contract::kPairReturnId)),
      stop_(RegisterWindowMessageW(contract::kPairStop)) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = &FakeHost::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"Fake host", WS_POPUP | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeHost::~FakeHost() {
  if (window_ != nullptr) DestroyWindow(window_);
}

int FakeHost::Count(const std::string& entry) const {
  int count = 0;
  for (const std::string& e : log) count += e == entry;
  return count;
}

LRESULT CALLBACK FakeHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<FakeHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (host != nullptr) {
    bool handled = false;
    const LRESULT result = host->Handle(message, wParam, lParam, &handled);
    if (handled) return result;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT FakeHost::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  if (message == start_) {
    log.push_back("start");
    if (onStart) onStart();
    return startReply;
  }
  if (message == getId_) {
    log.push_back("poll");
    lastReplyWindow = reinterpret_cast<HWND>(wParam);
    PollAnswer answer;
    if (!polls.empty()) {
      answer = polls.front();
      polls.pop_front();
    }
    if (answer.reply == 1) PostMessageW(lastReplyWindow, returnId_, answer.deviceType, answer.deviceId);
    return answer.reply;
  }
  if (message == stop_) {
    log.push_back("stop");
    return 1;
  }
  *handled = false;
  return 0;
}

}  // namespace wizard_test
