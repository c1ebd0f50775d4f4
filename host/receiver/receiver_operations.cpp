#include "host/receiver/receiver_operations.h"

#include <chrono>
#include <thread>

#include "receiver/config_slots.h"
#include "receiver/page_rewrite.h"
#include "receiver/receiver_protocol.h"

using namespace receiver;

namespace host {
namespace {

constexpr uint8_t kPairingParameter = 1;
constexpr uint8_t kMouseAttributeBits = 0x3F;

// Every rewrite of the configuration page goes through the page journal, so a rewrite cut off by a
// receiver pulled out, or by the program stopping, is completed at the next receiver check.
bool RewriteConfigPage(TQUARN& quarn, const ConfigPageWords& original,
                       const ConfigPageWords& updated, const Wait& wait) {
  receiver::PageJournal transient;
  receiver::PageJournal& journal = quarn.Journal() != nullptr ? *quarn.Journal() : transient;
  return receiver::RewriteConfigPage(quarn, journal, PageBytes(original), PageBytes(updated), wait,
                                     kHostUpdateModeWaits);
}

bool ReadConfigPage(TQUARN& quarn, ConfigPageWords* page) {
  return quarn.ReadPage(kConfigPageAddress, page->data());
}

constexpr uint32_t kIdBits = 0x7FFFF;

// The slot chosen for `id` held another device: every slot was taken.
void NoteReplacement(const ConfigPageWords& page, SlotKind kind, int slot, uint32_t id,
                     StoreReport* report) {
  if (report == nullptr) return;
  const uint32_t previous = SlotValue(page, kind, slot);
  if (!SlotIsFree(kind, slot, previous) && (previous & kIdBits) != (id & kIdBits)) {
    report->replaced = true;
    report->replacedId = previous & kIdBits;
  }
}

bool Stored(bool written, StoreReport* report) {
  if (!written && report != nullptr) report->storeFailed = true;
  return written;
}

}  // namespace

void SleepMilliseconds(uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool StartPairing(TQUARN& quarn, PairParameterTable& parameters, const Wait& wait) {
  if (!quarn.SetParameter(kPairingParameter, parameters.Next())) return false;
  wait(kParameterWaitMs);
  return quarn.SetPairing(kPairingStart);
}

bool StopPairing(TQUARN& quarn) { return quarn.SetPairing(kPairingStop); }

bool PollPairing(TQUARN& quarn, int32_t* type, uint32_t* id, const Wait& wait,
                 StoreReport* report) {
  uint8_t status[kRecordBytes] = {};
  uint8_t rfInfo[kRecordBytes] = {};
  if (!quarn.ReadRecord(kRecordPairingStatus, status)) return false;
  if (!quarn.ReadRecord(kRecordRfInfo, rfInfo)) return false;

  const PairingStatus decoded = DecodePairingStatus(status);
  int32_t polledType = kPolledNothing;
  uint32_t polledId = 0;
  if (decoded.mouseReported) {
    if (!StoreMouse(quarn, decoded.mouseId, decoded.mouseAttribute, rfInfo[kRfPairingByte], wait,
                    report)) {
      return false;
    }
    polledType = kPolledMouse;
    polledId = decoded.mouseId;
  } else if (decoded.keyboardReported) {
    if (!StoreKeyboard(quarn, decoded.keyboardId, wait, report)) return false;
    polledType = kPolledKeyboard;
    polledId = decoded.keyboardId;
  }
  if (type != nullptr) *type = polledType;
  if (id != nullptr) *id = polledId;
  return true;
}

bool StoreMouse(TQUARN& quarn, uint32_t id, uint8_t attribute, uint8_t rfByte, const Wait& wait,
                StoreReport* report) {
  ConfigPageWords original{};
  if (!ReadConfigPage(quarn, &original)) return Stored(false, report);

  ConfigPageWords updated = original;
  const int slot = ChooseSlot(original, SlotKind::kMouse, id);
  NoteReplacement(original, SlotKind::kMouse, slot, id, report);
  const int k = SlotFirstWord(SlotKind::kMouse, slot);
  PutSlotValue(&updated, SlotKind::kMouse, slot, id);
  updated[k + 4] = static_cast<uint16_t>((attribute & kMouseAttributeBits) << 8);
  updated[k + 5] = rfByte;
  updated[kMouseFlagWord] =
      static_cast<uint16_t>((updated[kMouseFlagWord] & 0xFF00) | AttributeFlagByte(attribute));
  return Stored(RewriteConfigPage(quarn, original, updated, wait), report);
}

bool StoreKeyboard(TQUARN& quarn, uint32_t id, const Wait& wait, StoreReport* report) {
  ConfigPageWords original{};
  if (!ReadConfigPage(quarn, &original)) return Stored(false, report);

  ConfigPageWords updated = original;
  const int slot = ChooseSlot(original, SlotKind::kKeyboard, id);
  NoteReplacement(original, SlotKind::kKeyboard, slot, id, report);
  PutSlotValue(&updated, SlotKind::kKeyboard, slot, id);
  return Stored(RewriteConfigPage(quarn, original, updated, wait), report);
}

void ReadDeviceList(TQUARN& quarn, TPairedDeviceTable* list) {
  if (list == nullptr) return;
  *list = TPairedDeviceTable{};
  // An erased slot and a failed read both come back as -1 from the slot reads; the manager must
  // tell them apart, so a slot that was read is kept to its 24 bits and only a failure is -1.
  const auto readSlot = [&quarn](SlotKind kind, int n) {
    uint32_t value = 0;
    const auto address = static_cast<uint16_t>(kConfigPageAddress + SlotFirstWord(kind, n));
    return quarn.ReadDword(address, &value) ? static_cast<int32_t>(value & kSlotValueMask) : kUnreadSlot;
  };
  for (int n = 0; n < kDeviceSlots; ++n) {
    list->mouseIds[n] = readSlot(SlotKind::kMouse, n);
    list->keyboardIds[n] = readSlot(SlotKind::kKeyboard, n);
  }
}

bool WriteDeviceList(TQUARN& quarn, const TPairedDeviceTable& list, const Wait& wait) {
  ConfigPageWords original{};
  if (!ReadConfigPage(quarn, &original)) return false;
  return RewriteConfigPage(quarn, original, WithDeviceList(original, list), wait);
}

bool DeviceListsDiffer(const TPairedDeviceTable& a, const TPairedDeviceTable& b) {
  for (int n = 0; n < kDeviceSlots; ++n) {
    if (a.mouseIds[n] != b.mouseIds[n] || a.keyboardIds[n] != b.keyboardIds[n]) return true;
  }
  return false;
}

bool UpdateDeviceList(TQUARN& quarn, const TPairedDeviceTable& oldList,
                      const TPairedDeviceTable& newList, const Wait& wait) {
  if (!DeviceListsDiffer(oldList, newList)) return true;
  // Only what the user changed goes to the receiver; the rest of the page stays as read now.
  ConfigPageWords original{};
  if (!ReadConfigPage(quarn, &original)) return false;
  return RewriteConfigPage(quarn, original, WithChangedSlots(original, oldList, newList), wait);
}

}  // namespace host
