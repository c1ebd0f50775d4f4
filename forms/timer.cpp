#include "forms/timer.h"

#include "forms/form.h"

namespace forms {

Timer::Timer(Form& owner, const std::wstring& name, UINT intervalMs, bool enabled)
    : Component(owner, name, L"TTimer"), id_(owner.NextControlId()), interval_(intervalMs), enabled_(enabled) {
  Restart();
}

Timer::~Timer() {
  if (!Orphaned() && Owner().Handle() != nullptr) KillTimer(Owner().Handle(), id_);
}

void Timer::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  HWND form = Owner().Handle();
  if (form == nullptr) return;
  KillTimer(form, id_);
  if (enabled_ && interval_ > 0) SetTimer(form, id_, interval_, nullptr);
}

void Timer::Tick() {
  if (enabled_ && OnTimer) OnTimer();
}

}  // namespace forms
