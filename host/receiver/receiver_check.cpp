#include "host/receiver/receiver_check.h"

#include "host/receiver/receiver_operations.h"

namespace host {

ReceiverCheck CheckReceiver(TDeviceLibrary& library, receiver::PageJournal* journal,
                            const receiver::Wait& wait, TQUARN* quarn, CheckSteps steps) {
  ReceiverCheck check;
  std::u16string path;
  uint16_t tag = 0;
  const int32_t count = library.FindReceiver(0, &path, &tag);
  if (count != 1) {
    check.state = count == 0  ? ReceiverState::kNone
                  : count > 1 ? ReceiverState::kSeveral
                              : ReceiverState::kLibraryMissing;
    return check;
  }
  *quarn = TQUARN(&library, path, tag);
  quarn->SetJournal(journal);
  if (steps.settle && journal != nullptr) {
    check.settled =
        receiver::SettlePendingRewrite(*quarn, *journal, wait, kHostUpdateModeWaits, &check.settledPage);
  }
  if (!steps.readGeneration) {
    check.state = ReceiverState::kUsable;
    return check;
  }
  check.generation = quarn->ReadGeneration();
  check.state = check.generation == 0                   ? ReceiverState::kNone
                : check.generation < kOldestGeneration ? ReceiverState::kUnsupported
                                                        : ReceiverState::kUsable;
  return check;
}

}  // namespace host
