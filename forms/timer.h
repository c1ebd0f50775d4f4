// A window timer of its form (WM_TIMER): ticks run on the user-interface thread between messages,
// never inside another handler.
#pragma once
#include <windows.h>

#include "forms/basics.h"
#include "forms/component.h"

namespace forms {

class Timer : public Component {
 public:
  Timer(Form& owner, const std::wstring& name, UINT intervalMs = 1000, bool enabled = true);
  ~Timer() override;

  UINT Interval() const { return interval_; }
  // An interval of 0 stops the ticks while keeping Enabled.
  void SetInterval(UINT intervalMs);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  NotifyHandler OnTimer;

 private:
  friend class Form;
  void Tick();
  void Restart();

  UINT_PTR id_;
  UINT interval_;
  bool enabled_;
};

}  // namespace forms
