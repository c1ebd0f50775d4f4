// The pairing sessions of a simulated receiver: which scripted device reports at which status read.
// The rules are documented in simulator/README.md ("Pairing").
#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "simulator/scenario.h"

namespace sim {

constexpr uint8_t kMouseReported = 0x20;
constexpr uint8_t kKeyboardReported = 0x40;

class PairingScript {
 public:
  explicit PairingScript(std::vector<ScriptedDevice> devices);

  // Starts a new session (also when one is running): clears the record and the read count.
  void Start();
  // Leaves pairing mode; the record keeps what the session left.
  void Stop();
  bool Active() const { return active_; }
  uint32_t Sessions() const { return session_; }

  // One read of the pairing status record. While pairing mode is on it counts and lets every due
  // device report; outside it the record is only read.
  std::array<uint8_t, 8> ReadStatus();

 private:
  bool Due(size_t device) const;
  void Report(const ScriptedDevice& device);

  std::vector<ScriptedDevice> devices_;
  std::vector<bool> paired_;  // reported in some session: never reports again
  bool active_ = false;
  uint32_t session_ = 0;  // sessions started so far; the running one is number session_
  uint32_t reads_ = 0;    // status reads in the running session
  std::array<uint8_t, 8> record_{};
};

}  // namespace sim
