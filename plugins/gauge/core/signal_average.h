// The signal display's arithmetic: a running average over windows of five answers, and whether the
// meter panel shows it.
//
// The window (sample count and running sum) belongs to the library, not to a form: a display closed
// in the middle of a window leaves it half full, and the next display opened while the library stays
// loaded continues it. The average itself belongs to the form and starts at 0 (nothing shown).
#pragma once
#include <cstdint>
#include <string>

namespace gauge {

constexpr int32_t kWindowSamples = 5;

struct AveragingWindow {
  int32_t count = 0;
  int64_t sum = 0;  // wide: a host that sends values beyond 0..255 must not overflow it
};

// The one window of this library (one per loaded copy of the module).
AveragingWindow& LibraryAveragingWindow();

// What the meter panel shows.
struct PanelState {
  bool visible = false;
  std::wstring text;  // the average as "%i"; empty while hidden
};

// 0 means that no value is shown.
PanelState PanelFor(int32_t average);

// One form's view of the signal: takes the host's answers into the shared window.
class SignalAverage {
 public:
  explicit SignalAverage(AveragingWindow& window) : window_(window) {}

  // Adds one answer; when it completes a window of five, the average becomes sum / 5 (integer
  // division) and the window starts again. Returns what the panel shows afterwards.
  PanelState AddAnswer(int32_t signal);
  int32_t Average() const { return average_; }

 private:
  AveragingWindow& window_;
  int32_t average_ = 0;
};

}  // namespace gauge
