#include "host/main/single_copy.h"

namespace host {

bool AnotherCopyRuns(bool created, uint32_t lastError) {
  if (created) return lastError == kErrorAlreadyExists;
  return lastError == kErrorAccessDenied;
}

}  // namespace host
