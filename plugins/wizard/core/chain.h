// The order of the wizard's four steps: which step follows an outcome, and what the entry returns
// when the chain ends.
#pragma once
#include <cstdint>

namespace wizard {

// What a step leaves behind when it closes.
enum StepOutcome : int32_t {
  kOutcomeNone = 0,          // closed without a button (Escape, Alt+F4): counts as "close"
  kOutcomeFinished = 1,      // step 4: Exit, or Success
  kOutcomeClose = 3,         // every step's close button
  kOutcomeNext = 4,          // steps 1 to 3: on to the next step
  kOutcomeRestart = 5,       // step 2: Previous, time-out, refused poll
  kOutcomeBack = 1000,       // step 3: Back, or Next with No chosen
  kOutcomePairAnother = 1001,
  kOutcomeOpenManager = 1002,
};

constexpr int32_t kResultAlreadyOpen = 3;

// The next step to show (1..4), or 0 when the chain ends with `result`.
struct ChainMove {
  int nextStep = 0;
  int32_t result = kResultAlreadyOpen;
  bool operator==(const ChainMove& other) const {
    return nextStep == other.nextStep && result == other.result;
  }
};

// Step 1 leads to 2, 2 to 3 (or back to 1), 3 to 4 (or back to 1); step 4 always ends the chain with
// its outcome when that is 1, 1001 or 1002. Anything unexpected ends the wizard with 3.
ChainMove NextMove(int step, int32_t outcome);

}  // namespace wizard
