#include "plugins/manager/core/device_slots.h"

#include <algorithm>
#include <cwctype>

#include "framework/core/strutil.h"

namespace manager {
namespace {

int Index(int slot) { return std::clamp(slot, 1, kSlots) - 1; }

}  // namespace

bool SlotUnread(int32_t id) { return id == host::kUnreadSlot; }

bool SlotEmpty(int32_t id) {
  if (SlotUnread(id)) return false;
  const uint32_t bits = static_cast<uint32_t>(id) & kIdBits;
  return bits == 0 || bits == 0x6EEEE || bits == 0x7FFFF;
}

bool SlotDisabled(int32_t id) { return (static_cast<uint32_t>(id) & kDisabledBit) != 0; }

int32_t& SlotId(host::TPairedDeviceTable& table, Kind kind, int slot) {
  return kind == Kind::kMouse ? table.mouseIds[Index(slot)] : table.keyboardIds[Index(slot)];
}

int32_t SlotId(const host::TPairedDeviceTable& table, Kind kind, int slot) {
  return kind == Kind::kMouse ? table.mouseIds[Index(slot)] : table.keyboardIds[Index(slot)];
}

uint16_t* SlotName(host::TPairedDeviceTable& table, Kind kind, int slot) {
  return kind == Kind::kMouse ? table.mouseNames[Index(slot)] : table.keyboardNames[Index(slot)];
}

const uint16_t* SlotName(const host::TPairedDeviceTable& table, Kind kind, int slot) {
  return kind == Kind::kMouse ? table.mouseNames[Index(slot)] : table.keyboardNames[Index(slot)];
}

std::wstring NameOf(const host::TPairedDeviceTable& table, Kind kind, int slot) {
  const uint16_t* units = SlotName(table, kind, slot);
  std::wstring name;
  for (int i = 0; i < kNameUnits - 1 && units[i] != 0; ++i) name += static_cast<wchar_t>(units[i]);
  return name;
}

void SetName(host::TPairedDeviceTable& table, Kind kind, int slot, const std::wstring& name) {
  uint16_t* units = SlotName(table, kind, slot);
  size_t length = std::min(name.size(), static_cast<size_t>(kNameUnits - 1));
  if (length > 0 && length < name.size() && name[length - 1] >= 0xD800 && name[length - 1] <= 0xDBFF) --length;
  std::fill(units, units + kNameUnits, uint16_t{0});
  for (size_t i = 0; i < length; ++i) units[i] = static_cast<uint16_t>(name[i]);
}

void EmptySlot(host::TPairedDeviceTable& table, Kind kind, int slot) {
  SlotId(table, kind, slot) = kEmptySlot;
  SetName(table, kind, slot, std::wstring());
}

std::wstring IdText(int32_t id) { return framework::IntToHexText(static_cast<uint32_t>(id) & kIdBits, 6); }

void CompactSlots(host::TPairedDeviceTable& table, Kind kind, int activeCount) {
  const int last = std::clamp(activeCount, 1, kSlots);
  for (int i = 1; i < last; ++i) {
    if (!SlotEmpty(SlotId(table, kind, i)) || SlotUnread(SlotId(table, kind, i + 1))) continue;
    SlotId(table, kind, i) = SlotId(table, kind, i + 1);
    std::copy(SlotName(table, kind, i + 1), SlotName(table, kind, i + 1) + kNameUnits, SlotName(table, kind, i));
    EmptySlot(table, kind, i + 1);
  }
}

bool TablesDiffer(int32_t modeA, const host::TPairedDeviceTable& a, int32_t modeB,
                  const host::TPairedDeviceTable& b) {
  if (modeA != modeB) return true;
  for (Kind kind : {Kind::kMouse, Kind::kKeyboard}) {
    for (int slot = 1; slot <= kSlots; ++slot) {
      if (SlotId(a, kind, slot) != SlotId(b, kind, slot)) return true;
      if (NameOf(a, kind, slot) != NameOf(b, kind, slot)) return true;
    }
  }
  return false;
}

int ActiveDeviceCount(const std::wstring* value) {
  constexpr int kAll = kSlots;
  if (value == nullptr) return kAll;
  const std::wstring text = framework::TrimBlanks(*value);
  if (text.empty()) return kAll;
  size_t start = (text[0] == L'-' || text[0] == L'+') ? 1 : 0;
  if (start == text.size()) return kAll;
  long long number = 0;
  for (size_t i = start; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return kAll;
    number = std::min(number * 10 + (text[i] - L'0'), 1000000LL);
  }
  if (text[0] == L'-') number = -number;
  return static_cast<int>(std::clamp<long long>(number, 1, kAll));
}

}  // namespace manager
