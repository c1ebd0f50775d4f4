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

uint32_t IdAt(const uint8_t* bytes) {
  return (static_cast<uint32_t>(bytes[0]) << 16) | (static_cast<uint32_t>(bytes[3]) << 8) | bytes[2];
}

}  // namespace

uint32_t PageMouseId(const uint8_t* page) { return IdAt(page + receiver::kPageMouseIdHigh); }
uint32_t PageKeyboardId(const uint8_t* page) { return IdAt(page + receiver::kPageKeyboardIdHigh); }
bool IsPairedId(uint32_t value) { return value != 0xFFFFFF && value != 0xEEEEEE; }

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
