// Step 2's pairing exchange with the host: start pairing, poll every 500 ms for 120 ticks while a
// countdown runs, take the first mouse or keyboard that reports, stop pairing on every way out except
// a refused poll (the host has already given up then).
//
// The exchange only decides; the step form carries the decisions out through a PairingPort (window
// messages to the host, the countdown label, the timer, the record, closing the step).
#pragma once
#include <cstdint>
#include <string>

namespace wizard {

constexpr int kCountdownTicks = 120;       // 60 seconds of 500-ms ticks
constexpr unsigned kTickIntervalMs = 500;

// What the countdown label shows on the tick that finds `countdown` ticks left (before counting
// down): the remaining whole seconds, blank on the last tick.
std::wstring CountdownText(int countdown);

class PairingPort {
 public:
  virtual ~PairingPort() = default;
  virtual intptr_t SendStart() = 0;   // AM_PAIR_START; nonzero: the receiver listens
  virtual intptr_t SendGetId() = 0;   // AM_PAIR_GET_ID with the step window; 1: answer posted
  virtual void SendStop() = 0;        // AM_PAIR_STOP; the reply is not examined
  virtual void ShowCountdown(const std::wstring& text) = 0;
  virtual void SetTimerRunning(bool running) = 0;
  virtual void StoreDeviceId(uint32_t id) = 0;
  virtual void Finish(int32_t outcome) = 0;  // sets the step outcome and closes the step
};

class PairingExchange {
 public:
  enum class State { kIdle, kWaiting, kClosed };

  explicit PairingExchange(PairingPort& port) : port_(port) {}

  // The step is being shown: clear the countdown, ask the host to start. A refused start leaves the
  // exchange idle until Previous or Close.
  void Begin();
  void Tick();
  // AM_PAIR_RETURN_ID. A mouse (1) or keyboard (2) ends the step, whatever the user chose in step 1;
  // anything else (-1: nothing yet) changes nothing. Only a waiting exchange takes an answer: one
  // that arrives after the step has closed must not close it again.
  void ReturnId(intptr_t deviceType, intptr_t deviceId);
  void Previous();
  void CloseButton();
  // The step closes without a button (Escape, Alt+F4): the receiver must not stay in pairing mode.
  void Abandon();

  State GetState() const { return state_; }
  int Countdown() const { return countdown_; }

 private:
  void End(int32_t outcome, bool stopPairing);

  PairingPort& port_;
  State state_ = State::kIdle;
  int countdown_ = 0;
};

}  // namespace wizard
