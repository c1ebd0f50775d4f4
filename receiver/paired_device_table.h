// The list of paired devices that the host reads from the receiver and hands to the paired-device
// manager: 360 bytes, little-endian, the same layout on every build because it crosses modules raw.
#pragma once
#include <cstddef>
#include <cstdint>

namespace host {

constexpr int kDeviceSlots = 5;
constexpr int kDeviceNameUnits = 16;  // UTF-16: at most 15 characters and a terminating zero

// A slot whose read failed. Slot values that were read are 24 bits, so this never stands for a
// device or a free slot: whoever meets it leaves the slot on the receiver as it is.
constexpr int32_t kUnreadSlot = -1;

struct TPairedDeviceTable {
  int32_t mouseIds[kDeviceSlots];  // 24-bit slot value, or kUnreadSlot; bit 23 = disabled
  uint16_t mouseNames[kDeviceSlots][kDeviceNameUnits];
  int32_t keyboardIds[kDeviceSlots];
  uint16_t keyboardNames[kDeviceSlots][kDeviceNameUnits];
};

static_assert(sizeof(TPairedDeviceTable) == 360, "TPairedDeviceTable is 360 bytes");
static_assert(offsetof(TPairedDeviceTable, mouseIds) == 0, "mouse identifiers at 0");
static_assert(offsetof(TPairedDeviceTable, mouseNames) == 20, "mouse names at 20");
static_assert(offsetof(TPairedDeviceTable, keyboardIds) == 180, "keyboard identifiers at 180");
static_assert(offsetof(TPairedDeviceTable, keyboardNames) == 200, "keyboard names at 200");

}  // namespace host
