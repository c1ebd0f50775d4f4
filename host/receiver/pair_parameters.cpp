#include "host/receiver/pair_parameters.h"

namespace host {

uint16_t PairParameterTable::Next() {
  index_ = (index_ + 1) % kCount;
  return kValues[index_];
}

PairParameterTable& ProcessPairParameters() {
  static PairParameterTable table;
  return table;
}

}  // namespace host
