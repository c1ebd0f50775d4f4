// The host's slot layout of the receiver's configuration page: five mouse and five keyboard slots,
// each an identifier in two words, addressed by word index into the 128-word page at 0x2700.
#pragma once
#include <array>
#include <cstdint>

#include "receiver/command_channel.h"
#include "receiver/paired_device_table.h"
#include "receiver/receiver_protocol.h"

namespace host {

enum class SlotKind { kMouse, kKeyboard };

using ConfigPageWords = std::array<uint16_t, receiver::kPageWords>;

constexpr uint16_t kConfigPageAddress = receiver::kConfigPageAddress;
// Word 120 serves every mouse slot: its low byte marks bit 7 of the last stored attribute byte.
constexpr int kMouseFlagWord = 120;
// Slot values as the host compares them (24 bits).
constexpr uint32_t kSlotValueMask = 0xFFFFFF;
constexpr uint32_t kFreeSlot = 0xFFFFFF;
// What a fresh receiver holds in mouse slot 0; that slot counts as free then.
constexpr uint32_t kFreshMouseSlot = 0xEEEEEE;

// The page as words (word k = bytes 2k, 2k+1, low byte first) and back.
ConfigPageWords PageWords(const receiver::Page& page);
receiver::Page PageBytes(const ConfigPageWords& words);

// The first of the slot's words (word index into the page).
int SlotFirstWord(SlotKind kind, int slot);

// (word k × 65536 + word k+1) AND 0xFFFFFF.
uint32_t SlotValue(const ConfigPageWords& page, SlotKind kind, int slot);
bool SlotIsFree(SlotKind kind, int slot, uint32_t value);

// The first free slot (slot 0 if none is free); then the last slot already holding this 19-bit
// identifier wins, so a device pairing again keeps its slot.
int ChooseSlot(const ConfigPageWords& page, SlotKind kind, uint32_t id);

// Word k = value bits 16-23, word k+1 = bits 0-15; nothing else of the page changes.
void PutSlotValue(ConfigPageWords* page, SlotKind kind, int slot, uint32_t value);

// The page with the table's ten identifiers in their slots.
ConfigPageWords WithDeviceList(const ConfigPageWords& page, const TPairedDeviceTable& list);

// The page with only the slots whose identifier differs between the old and the new table taken
// from the new one; every other slot keeps what the page holds. A slot that could not be read in
// either table is never written: its device may still be there.
ConfigPageWords WithChangedSlots(const ConfigPageWords& page, const TPairedDeviceTable& oldList,
                                 const TPairedDeviceTable& newList);

}  // namespace host
