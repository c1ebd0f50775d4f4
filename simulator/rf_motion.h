// The RF-info record as successive reads see it: the scenario's bytes, with the signal (byte 1) taken
// from a list or a slow drift and the channel (byte 2) from a list, so that a signal display shows a
// number that moves.
#pragma once
#include <array>
#include <cstdint>

#include "simulator/scenario.h"

namespace sim {

class RfMotion {
 public:
  explicit RfMotion(const Scenario& scenario) : scenario_(scenario) {}

  // The record of the next read.
  std::array<uint8_t, 8> Next();
  // Reads so far.
  uint32_t Reads() const { return reads_; }

 private:
  uint8_t DriftValue(uint32_t read) const;

  const Scenario& scenario_;
  uint32_t reads_ = 0;
};

}  // namespace sim
