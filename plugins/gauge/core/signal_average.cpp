#include "plugins/gauge/core/signal_average.h"

namespace gauge {

AveragingWindow& LibraryAveragingWindow() {
  static AveragingWindow window;
  return window;
}

PanelState PanelFor(int32_t average) {
  if (average == 0) return {};
  return {true, std::to_wstring(average)};
}

PanelState SignalAverage::AddAnswer(int32_t signal) {
  window_.sum += signal;
  window_.count += 1;
  if (window_.count >= kWindowSamples) {
    average_ = static_cast<int32_t>(window_.sum / kWindowSamples);
    window_ = AveragingWindow();
  }
  return PanelFor(average_);
}

}  // namespace gauge
