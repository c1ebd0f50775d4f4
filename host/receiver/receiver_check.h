// The check that comes before every receiver command the host, its plug-ins and the command-line
// tool send: exactly one receiver, an interrupted page rewrite settled, a generation the suite drives.
#pragma once
#include <cstdint>

#include "host/receiver/device_library.h"
#include "host/receiver/quarn.h"
#include "receiver/page_journal.h"
#include "receiver/page_rewrite.h"

namespace host {

// The oldest receiver generation the suite drives.
constexpr int kOldestGeneration = 38;

enum class ReceiverState {
  kUsable,
  kNone,            // nothing plugged in, or it stopped answering before its generation was read
  kSeveral,
  kLibraryMissing,  // the device-access library could not look for receivers
  kUnsupported,     // generation below kOldestGeneration
};

struct ReceiverCheck {
  ReceiverState state = ReceiverState::kNone;
  int generation = 0;
  receiver::SettleResult settled = receiver::SettleResult::kNothingPending;
  receiver::Page settledPage{};  // what the receiver holds now, when settled is kCompleted
};

struct CheckSteps {
  bool settle = true;           // settle a pending record of the journal (if there is one)
  bool readGeneration = true;   // false: stop once the receiver is found (and settled)
};

// Binds *quarn to the one receiver found and settles the journal before the generation is read:
// a page cut off after its erase has lost its generation word with everything else. journal may be
// null (nothing to settle).
ReceiverCheck CheckReceiver(TDeviceLibrary& library, receiver::PageJournal* journal,
                            const receiver::Wait& wait, TQUARN* quarn, CheckSteps steps = {});

}  // namespace host
