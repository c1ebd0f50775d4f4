#include "plugins/wizard/core/chain.h"

namespace wizard {

ChainMove NextMove(int step, int32_t outcome) {
  const ChainMove end{0, kResultAlreadyOpen};
  switch (step) {
    case 1:
      return outcome == kOutcomeNext ? ChainMove{2, 0} : end;
    case 2:
      if (outcome == kOutcomeRestart) return {1, 0};
      return outcome == kOutcomeNext ? ChainMove{3, 0} : end;
    case 3:
      if (outcome == kOutcomeBack) return {1, 0};
      return outcome == kOutcomeNext ? ChainMove{4, 0} : end;
    case 4:
      if (outcome == kOutcomeFinished || outcome == kOutcomePairAnother || outcome == kOutcomeOpenManager) {
        return {0, outcome};
      }
      return end;
    default:
      return end;
  }
}

}  // namespace wizard
