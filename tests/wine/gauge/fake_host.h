// Plays the host program's side of the signal display in the test process: a window that takes
// AM_CHANNEL_SETTING_EX_REQUEST_RFINFO and answers with values the test chooses, the way the host
// does (a synchronous send to the window named in wParam), or sends AM_DEVICE_REMOVE on demand.
// It lives on the thread that calls the entry, so the display's modal loop runs it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace gauge_test {

struct HostScript {
  std::vector<int32_t> signals{100};  // answered in turn, repeated cyclically
  int32_t channel = 11;
  DWORD answerDelayMs = 0;            // 0: answer inside the request's handling
  int removeAtRequest = 0;            // > 0: this request gets AM_DEVICE_REMOVE instead of an answer
  int silentFromRequest = 0;          // > 0: from this request on, nothing is answered
  // Runs right after each answer returned (the display has handled it): answer number from 1.
  std::function<void(int answer, HWND display)> afterAnswer;
  // Runs when a request arrives, before it is answered: request number from 1.
  std::function<void(int request, HWND display)> onRequest;
};

struct HostCounts {
  int requests = 0;
  int answers = 0;
  int requestsWhilePending = 0;  // requests that came while an earlier one was unanswered
  int removesSent = 0;
  bool wrongWindow = false;      // a request whose wParam was not a window
  DWORD shortestPauseMs = MAXDWORD;  // from an answer to the next request
};

class FakeHost {
 public:
  explicit FakeHost(const HostScript& script);
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  HWND Handle() const { return window_; }
  const HostCounts& Counts() const { return counts_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Request(HWND display);
  void Answer();

  HostScript script_;
  HostCounts counts_;
  HWND window_ = nullptr;
  HWND pendingDisplay_ = nullptr;
  bool pending_ = false;
  DWORD lastAnswerTick_ = 0;
  UINT requestMessage_;
  UINT answerMessage_;
  UINT removeMessage_;
};

}  // namespace gauge_test
