#include "tests/wine/gauge/fake_host.h"

#include "framework/core/plugin_contract.h"

namespace gauge_test {
namespace {

constexpr wchar_t kClassName[] = L"GaugeTestHost";
constexpr UINT_PTR kAnswerTimer = 1;

void RegisterHostClass() {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;  // replaced per window below
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);
}

}  // namespace

FakeHost::FakeHost(const HostScript& script)
    : script_(script),
      requestMessage_(RegisterWindowMessageW(contract::kRequestRfInfo)),
      answerMessage_(RegisterWindowMessageW(contract::kRfInfo)),
      removeMessage_(RegisterWindowMessageW(contract::kDeviceRemove)) {
  RegisterHostClass();
  window_ = CreateWindowExW(0, kClassName, L"GaugeTestHost", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FakeHost::WindowProc));
}

FakeHost::~FakeHost() {
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK FakeHost::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<FakeHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (host != nullptr) {
    if (message == host->requestMessage_) {
      host->Request(reinterpret_cast<HWND>(wParam));
      return 0;
    }
    if (message == WM_TIMER && wParam == kAnswerTimer) {
      KillTimer(hwnd, kAnswerTimer);
      host->Answer();
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FakeHost::Request(HWND display) {
  ++counts_.requests;
  if (!IsWindow(display)) counts_.wrongWindow = true;
  if (pending_) ++counts_.requestsWhilePending;
  if (counts_.answers > 0) {
    const DWORD pause = GetTickCount() - lastAnswerTick_;
    if (pause < counts_.shortestPauseMs) counts_.shortestPauseMs = pause;
  }
  if (script_.onRequest) script_.onRequest(counts_.requests, display);
  if (script_.removeAtRequest > 0 && counts_.requests == script_.removeAtRequest) {
    ++counts_.removesSent;
    SendMessageW(display, removeMessage_, 0, 0);
    return;
  }
  if (script_.silentFromRequest > 0 && counts_.requests >= script_.silentFromRequest) return;
  pending_ = true;
  pendingDisplay_ = display;
  if (script_.answerDelayMs == 0) {
    Answer();
  } else {
    SetTimer(window_, kAnswerTimer, script_.answerDelayMs, nullptr);
  }
}

void FakeHost::Answer() {
  if (!pending_) return;
  pending_ = false;
  const int32_t signal = script_.signals[counts_.answers % script_.signals.size()];
  SendMessageW(pendingDisplay_, answerMessage_, static_cast<WPARAM>(script_.channel), signal);
  ++counts_.answers;
  lastAnswerTick_ = GetTickCount();
  if (script_.afterAnswer) script_.afterAnswer(counts_.answers, pendingDisplay_);
}

}  // namespace gauge_test
