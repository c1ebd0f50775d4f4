// The receiver operations the host window runs for the plug-ins: a pairing run (start, poll, stop),
// storing a newly paired device, and reading and writing the list of paired devices.
#pragma once
#include <cstdint>
#include <functional>

#include "host/receiver/pair_parameters.h"
#include "receiver/paired_device_table.h"
#include "host/receiver/quarn.h"
#include "receiver/page_rewrite.h"

namespace host {

// Blocking waits between commands; tests pass one that only records.
using Wait = receiver::Wait;
void SleepMilliseconds(uint32_t milliseconds);

constexpr uint32_t kParameterWaitMs = 20;
constexpr uint32_t kUpdateModeWaitMs = 100;
constexpr receiver::UpdateModeWaits kHostUpdateModeWaits{kUpdateModeWaitMs, kUpdateModeWaitMs};

// PollPairing's device type.
constexpr int32_t kPolledNothing = -1;
constexpr int32_t kPolledMouse = 1;
constexpr int32_t kPolledKeyboard = 2;

// What storing a newly paired device did besides storing it.
struct StoreReport {
  bool storeFailed = false;  // the page could not be read or did not verify
  bool replaced = false;     // every slot was taken: the device took slot 0 from another one
  uint32_t replacedId = 0;   // that other device's 19-bit identifier
};

// Sets the next pairing parameter, then switches pairing mode on.
bool StartPairing(TQUARN& quarn, PairParameterTable& parameters = ProcessPairParameters(),
                  const Wait& wait = SleepMilliseconds);
bool StopPairing(TQUARN& quarn);
// Reads the pairing status and stores a device that has reported (the mouse first). Success with
// type -1 and identifier 0 while nothing has reported.
bool PollPairing(TQUARN& quarn, int32_t* type, uint32_t* id, const Wait& wait = SleepMilliseconds,
                 StoreReport* report = nullptr);

// Store the identifier in a free slot, or in the slot that already holds it. False when the page
// cannot be read or the new page does not verify; in the latter case the page as it was read has
// been written back, or, with the receiver gone, the journal keeps the rewrite for the next check.
bool StoreMouse(TQUARN& quarn, uint32_t id, uint8_t attribute, uint8_t rfByte,
                const Wait& wait = SleepMilliseconds, StoreReport* report = nullptr);
bool StoreKeyboard(TQUARN& quarn, uint32_t id, const Wait& wait = SleepMilliseconds,
                   StoreReport* report = nullptr);

// The ten slots (24-bit values, kUnreadSlot where the read failed); names empty.
void ReadDeviceList(TQUARN& quarn, TPairedDeviceTable* list);
// The ten identifiers into their slots, nothing else changed; failure as for StoreMouse.
bool WriteDeviceList(TQUARN& quarn, const TPairedDeviceTable& list,
                     const Wait& wait = SleepMilliseconds);

// Lists differ when any identifier differs; names are not compared.
bool DeviceListsDiffer(const TPairedDeviceTable& a, const TPairedDeviceTable& b);
// Writes the slots whose identifier differs between the old and the new list into the page as it
// is read now (WithChangedSlots); nothing when no identifier differs, which is success too.
bool UpdateDeviceList(TQUARN& quarn, const TPairedDeviceTable& oldList,
                      const TPairedDeviceTable& newList, const Wait& wait = SleepMilliseconds);

}  // namespace host
