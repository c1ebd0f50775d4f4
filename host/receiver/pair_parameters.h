// The pairing parameter values stepped through before each pairing run, with their process-wide
// position.
#pragma once
#include <cstdint>

namespace host {

class PairParameterTable {
 public:
  static constexpr int kCount = 11;
  static constexpr uint16_t kValues[kCount] = {2, 6, 7, 8, 12, 14, 16, 20, 24, 28, 29};

  // Advances first, so the first run after start uses 6 and the eleventh 2.
  uint16_t Next();

 private:
  int index_ = 0;
};

// The host's one table: its index lives as long as the process and is never reset.
PairParameterTable& ProcessPairParameters();

}  // namespace host
