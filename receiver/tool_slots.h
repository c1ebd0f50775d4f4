// Where the pairing tool writes a paired mouse and keyboard in the receiver's configuration page.
#pragma once
#include <cstdint>

namespace pairtool {

// Mouse identifier in bytes 228-231, then bytes 236, 237, 238 and 240. The other bytes stay.
void PatchMouse(uint8_t* page, uint32_t id, uint8_t attribute, uint8_t rfByte);
// Keyboard identifier in bytes 232-235. The other bytes stay.
void PatchKeyboard(uint8_t* page, uint32_t id);

// The identifiers as the page holds them (24 bits: an erased slot reads 0xFFFFFF, a fresh
// receiver's mouse slot 0xEEEEEE).
uint32_t PageMouseId(const uint8_t* page);
uint32_t PageKeyboardId(const uint8_t* page);
// False for an erased or fresh slot.
bool IsPairedId(uint32_t value);

}  // namespace pairtool
