// The slots of one receiver's device table as the manager sees them: identifier words, emptiness,
// names, compaction and the comparison of two states.
#pragma once
#include <cstdint>
#include <string>

#include "framework/core/plugin_contract.h"
#include "receiver/paired_device_table.h"

namespace manager {

constexpr int kSlots = host::kDeviceSlots;       // slots 1..5 here; 0..4 in the table
constexpr uint32_t kIdBits = 0x7FFFF;            // bits 0-18: the device identifier
constexpr uint32_t kDisabledBit = 0x800000;      // bit 23: the device is switched off
constexpr int32_t kEmptySlot = 0xFFFFFF;         // what the manager writes into a slot it empties
constexpr int kNameUnits = host::kDeviceNameUnits;  // 15 characters and a terminating zero

enum class Kind { kMouse, kKeyboard };

// Empty when bits 0-18 are 0, 0x6EEEE (erased flash pattern of the receiver) or 0x7FFFF; the
// disabled bit and the bits above 18 do not matter. A slot that could not be read is not empty.
bool SlotEmpty(int32_t id);
// The host could not read the slot (host::kUnreadSlot): what it holds is unknown and stays so.
bool SlotUnread(int32_t id);
bool SlotDisabled(int32_t id);

// Slot 1..5 of a kind, as a reference into the table.
int32_t& SlotId(host::TPairedDeviceTable& table, Kind kind, int slot);
int32_t SlotId(const host::TPairedDeviceTable& table, Kind kind, int slot);
uint16_t* SlotName(host::TPairedDeviceTable& table, Kind kind, int slot);
const uint16_t* SlotName(const host::TPairedDeviceTable& table, Kind kind, int slot);

// The name of a slot (up to its terminating zero, at most 15 characters).
std::wstring NameOf(const host::TPairedDeviceTable& table, Kind kind, int slot);
// Stores at most 15 characters (never half a surrogate pair), zero-terminated, the rest zeroed.
void SetName(host::TPairedDeviceTable& table, Kind kind, int slot, const std::wstring& name);
// 0xFFFFFF and an empty name.
void EmptySlot(host::TPairedDeviceTable& table, Kind kind, int slot);

// Bits 0-18 as six upper-case hexadecimal digits ("051234").
std::wstring IdText(int32_t id);

// Moves the devices of the shown slots 1..activeCount up over an emptied slot, one pass: the
// emptied slot goes to the end of the shown list, the order of the others stays. Slots above the
// active count are not touched: they are not shown, and moving them would change devices the user
// cannot see. Nor is a slot that could not be read: a device may sit there, so nothing moves into
// it or out of it.
void CompactSlots(host::TPairedDeviceTable& table, Kind kind, int activeCount);

// True when the display mode differs, or any identifier word (the disabled bit included) or any
// name of the ten slots differs.
bool TablesDiffer(int32_t modeA, const host::TPairedDeviceTable& a, int32_t modeB,
                  const host::TPairedDeviceTable& b);

// "SetActiveDeviceCount" of UI.txt: the number of rows shown. Missing (null), empty or not a
// decimal number gives 5; a number is clamped to 1..5.
int ActiveDeviceCount(const std::wstring* value);

}  // namespace manager
