// Plays the host's side of the pairing exchange inside the test process: a top-level window that
// answers AM_PAIR_START, AM_PAIR_GET_ID and AM_PAIR_STOP from a script and logs what it was asked,
// for the cases the real host cannot be made to produce (a refused start, a keyboard answering a
// mouse run, any reply order).
#pragma once
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace wizard_test {

struct PollAnswer {
  LRESULT reply = 1;          // 1: answered; anything else refuses the poll (nothing is posted)
  WPARAM deviceType = static_cast<WPARAM>(-1);  // posted AM_PAIR_RETURN_ID
  LPARAM deviceId = 0;
};

class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  HWND Window() const { return window_; }

  LRESULT startReply = 1;
  std::deque<PollAnswer> polls;  // one per AM_PAIR_GET_ID; when used up: nothing reported yet
  // Runs inside the handling of AM_PAIR_START, on the wizard's thread.
  std::function<void()> onStart;

  // "start", "poll", "stop" in the order received (read it after the wizard has returned).
  std::vector<std::string> log;
  HWND lastReplyWindow = nullptr;  // wParam of the last poll
  int Count(const std::string& entry) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);

  HWND window_ = nullptr;
  UINT start_, getId_, returnId_, stop_;
};

}  // namespace wizard_test
