#include "simulator/rf_motion.h"

namespace sim {

std::array<uint8_t, 8> RfMotion::Next() {
  std::array<uint8_t, 8> record = scenario_.rfInfo;
  const uint32_t read = reads_++;
  if (!scenario_.signal.empty()) {
    record[1] = scenario_.signal[read % scenario_.signal.size()];
  } else if (scenario_.drift.on) {
    record[1] = DriftValue(read);
  }
  if (!scenario_.channel.empty()) record[2] = scenario_.channel[read % scenario_.channel.size()];
  return record;
}

// Up from low to high and down again: a triangle whose period is two spans of (high - low) / step
// reads; the turning points are met exactly or overshot by less than a step, then clamped.
uint8_t RfMotion::DriftValue(uint32_t read) const {
  const SignalDrift& d = scenario_.drift;
  const uint32_t span = d.high - d.low;
  const uint32_t steps = span == 0 ? 0 : (span + d.step - 1) / d.step;  // reads from low to high
  if (steps == 0) return d.low;
  const uint32_t phase = read % (2 * steps);
  const uint32_t up = phase <= steps ? phase : 2 * steps - phase;
  const uint32_t value = d.low + up * d.step;
  return static_cast<uint8_t>(value > d.high ? d.high : value);
}

}  // namespace sim
