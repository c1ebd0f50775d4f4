#include "receiver/tool_slots.h"

#include "receiver/receiver_protocol.h"

namespace pairtool {
namespace {

// An identifier takes two little-endian words: bits 16-23, then bits 0-15.
void PatchId(uint8_t* bytes, uint32_t id) {
  bytes[0] = static_cast<uint8_t>(id >> 16);
  bytes[1] = 0;
  bytes[2] = static_cast<uint8_t>(id);
  bytes[3] = static_cast<uint8_t>(id >> 8);
}

}  // namespace

void PatchMouse(uint8_t* page, uint32_t id, uint8_t attribute, uint8_t rfByte) {
  using namespace receiver;
  PatchId(page + kPageMouseIdHigh, id);
  page[kPageMouseZero] = 0;
  page[kPageMouseAttribute] = attribute & kAttributeLowBits;
  page[kPageMouseRfByte] = rfByte;
  page[kPageMouseAttributeFlag] = AttributeFlagByte(attribute);
}

void PatchKeyboard(uint8_t* page, uint32_t id) { PatchId(page + receiver::kPageKeyboardIdHigh, id); }

}  // namespace pairtool
