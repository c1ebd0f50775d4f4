#include "receiver/config_slots.h"

namespace host {
namespace {

constexpr int kMouseSlotWords[kDeviceSlots] = {114, 32, 40, 48, 56};
constexpr int kKeyboardSlotWords[kDeviceSlots] = {116, 64, 72, 80, 88};

}  // namespace

ConfigPageWords PageWords(const receiver::Page& page) {
  ConfigPageWords words{};
  for (size_t k = 0; k < words.size(); ++k) {
    words[k] = static_cast<uint16_t>(page[2 * k] | (page[2 * k + 1] << 8));
  }
  return words;
}

receiver::Page PageBytes(const ConfigPageWords& words) {
  receiver::Page page{};
  for (size_t k = 0; k < words.size(); ++k) {
    page[2 * k] = static_cast<uint8_t>(words[k] & 0xFF);
    page[2 * k + 1] = static_cast<uint8_t>(words[k] >> 8);
  }
  return page;
}

int SlotFirstWord(SlotKind kind, int slot) {
  return kind == SlotKind::kMouse ? kMouseSlotWords[slot] : kKeyboardSlotWords[slot];
}

uint32_t SlotValue(const ConfigPageWords& page, SlotKind kind, int slot) {
  const int k = SlotFirstWord(kind, slot);
  return ((static_cast<uint32_t>(page[k]) << 16) | page[k + 1]) & kSlotValueMask;
}

bool SlotIsFree(SlotKind kind, int slot, uint32_t value) {
  if (value == kFreeSlot) return true;
  return kind == SlotKind::kMouse && slot == 0 && value == kFreshMouseSlot;
}

int ChooseSlot(const ConfigPageWords& page, SlotKind kind, uint32_t id) {
  int chosen = 0;
  for (int slot = 0; slot < kDeviceSlots; ++slot) {
    if (SlotIsFree(kind, slot, SlotValue(page, kind, slot))) {
      chosen = slot;
      break;
    }
  }
  for (int slot = 0; slot < kDeviceSlots; ++slot) {
    if ((SlotValue(page, kind, slot) & receiver::kDeviceIdMask) == (id & receiver::kDeviceIdMask)) {
      chosen = slot;
    }
  }
  return chosen;
}

void PutSlotValue(ConfigPageWords* page, SlotKind kind, int slot, uint32_t value) {
  const int k = SlotFirstWord(kind, slot);
  (*page)[k] = static_cast<uint16_t>((value >> 16) & 0xFF);
  (*page)[k + 1] = static_cast<uint16_t>(value & 0xFFFF);
}

ConfigPageWords WithDeviceList(const ConfigPageWords& page, const TPairedDeviceTable& list) {
  ConfigPageWords updated = page;
  for (int n = 0; n < kDeviceSlots; ++n) {
    PutSlotValue(&updated, SlotKind::kMouse, n, static_cast<uint32_t>(list.mouseIds[n]));
    PutSlotValue(&updated, SlotKind::kKeyboard, n, static_cast<uint32_t>(list.keyboardIds[n]));
  }
  return updated;
}

ConfigPageWords WithChangedSlots(const ConfigPageWords& page, const TPairedDeviceTable& oldList,
                                 const TPairedDeviceTable& newList) {
  ConfigPageWords updated = page;
  const auto put = [&updated](SlotKind kind, int slot, int32_t before, int32_t after) {
    if (before == after || before == kUnreadSlot || after == kUnreadSlot) return;
    PutSlotValue(&updated, kind, slot, static_cast<uint32_t>(after));
  };
  for (int n = 0; n < kDeviceSlots; ++n) {
    put(SlotKind::kMouse, n, oldList.mouseIds[n], newList.mouseIds[n]);
    put(SlotKind::kKeyboard, n, oldList.keyboardIds[n], newList.keyboardIds[n]);
  }
  return updated;
}

}  // namespace host
