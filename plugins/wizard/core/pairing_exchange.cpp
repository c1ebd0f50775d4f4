#include "plugins/wizard/core/pairing_exchange.h"

#include "plugins/wizard/core/chain.h"

namespace wizard {

std::wstring CountdownText(int countdown) {
  if (countdown == 1) return std::wstring();
  return std::to_wstring(countdown / 2);
}

void PairingExchange::Begin() {
  state_ = State::kIdle;
  countdown_ = 0;
  port_.ShowCountdown(std::wstring());
  port_.SetTimerRunning(false);
  if (port_.SendStart() == 0) return;
  countdown_ = kCountdownTicks;
  state_ = State::kWaiting;
  port_.SetTimerRunning(true);
}

void PairingExchange::Tick() {
  if (state_ != State::kWaiting) return;  // a tick already queued when the step closed
  port_.ShowCountdown(CountdownText(countdown_));
  --countdown_;
  if (countdown_ <= 0) {
    End(kOutcomeRestart, true);
    return;
  }
  // The host answers a refused poll with 0 and has dropped the pairing attempt itself.
  if (port_.SendGetId() != 1) End(kOutcomeRestart, false);
}

void PairingExchange::ReturnId(intptr_t deviceType, intptr_t deviceId) {
  if (deviceType != 1 && deviceType != 2) return;
  if (state_ != State::kWaiting) return;
  state_ = State::kClosed;
  port_.SetTimerRunning(false);
  port_.StoreDeviceId(static_cast<uint32_t>(deviceId));
  port_.SendStop();
  port_.Finish(kOutcomeNext);
}

void PairingExchange::Previous() { End(kOutcomeRestart, true); }

void PairingExchange::CloseButton() { End(kOutcomeClose, true); }

void PairingExchange::Abandon() {
  if (state_ != State::kWaiting) return;
  state_ = State::kClosed;
  port_.SetTimerRunning(false);
  port_.SendStop();
}

void PairingExchange::End(int32_t outcome, bool stopPairing) {
  state_ = State::kClosed;
  port_.SetTimerRunning(false);
  if (stopPairing) port_.SendStop();
  port_.Finish(outcome);
}

}  // namespace wizard
