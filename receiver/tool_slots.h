// Where the pairing tool writes a paired mouse and keyboard in the receiver's configuration page.
#pragma once
#include <cstdint>

namespace pairtool {

// Mouse identifier in bytes 228-231, then bytes 236, 237, 238 and 240. The other bytes stay.
void PatchMouse(uint8_t* page, uint32_t id, uint8_t attribute, uint8_t rfByte);
// Keyboard identifier in bytes 232-235. The other bytes stay.
void PatchKeyboard(uint8_t* page, uint32_t id);

}  // namespace pairtool
