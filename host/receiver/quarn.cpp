#include "host/receiver/quarn.h"

#include <vector>

#include "receiver/config_slots.h"
#include "receiver/receiver_protocol.h"

using namespace receiver;

namespace host {
namespace {

constexpr uint16_t kGenerationWord = 0x058F;
constexpr uint16_t kGenerationFallbackWord = 0x2701;
constexpr uint8_t kGenerationMark = 0xA4;
constexpr uint16_t kReadPieceWords = 4;

int FromNibbles(uint8_t byte) { return 10 * (byte >> 4) + (byte & 0x0F); }

}  // namespace

TQUARN::TQUARN(DeviceCommands* library, const std::u16string& path, uint16_t tag)
    : library_(library), path_(path), tag_(tag) {}

bool TQUARN::SendCommand(uint16_t command, uint16_t value, uint16_t length) {
  if (library_ == nullptr) return false;
  return LibrarySucceeded(library_->SendCommand(path_, tag_, command, value, length));
}

bool TQUARN::ReadCommand(uint16_t command, uint16_t value, uint16_t length, uint8_t* buffer) {
  if (library_ == nullptr || buffer == nullptr) return false;
  return LibrarySucceeded(library_->ReadCommand(path_, tag_, command, value, length, buffer));
}

bool TQUARN::ReadMemory(uint16_t address, uint16_t wordCount, uint16_t* words) {
  if (words == nullptr) return false;
  std::vector<uint8_t> bytes(2u * wordCount + 1u);
  if (!ReadCommand(CMD_READ_MEMORY, address, static_cast<uint16_t>(2 * wordCount), bytes.data())) {
    return false;
  }
  for (uint16_t i = 0; i < wordCount; ++i) {
    words[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return true;
}

namespace {

// Words as the receiver holds them: low byte first.
void WordsToBytes(const uint16_t* words, size_t count, uint8_t* bytes) {
  for (size_t i = 0; i < count; ++i) {
    bytes[2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
  }
}

}  // namespace

bool TQUARN::WriteBlock(uint16_t address, const uint16_t* words, const Progress& progress) {
  uint8_t bytes[kBlockBytes];
  WordsToBytes(words, kBlockWords, bytes);
  return receiver::WriteBlock(*this, address, bytes, progress);
}

bool TQUARN::WritePage(uint16_t address, const uint16_t* words, const Progress& progress) {
  uint8_t bytes[kPageBytes];
  WordsToBytes(words, kPageWords, bytes);
  return receiver::WritePage(*this, address, bytes, progress);
}

bool TQUARN::ReadPage(uint16_t address, uint16_t* words) {
  // Piece by piece, so the words read before a failure are kept, as the byte form keeps its bytes.
  for (uint16_t k = 0; k < kPageWords / kReadPieceWords; ++k) {
    const auto piece = static_cast<uint16_t>(address + kReadPieceWords * k);
    if (!ReadMemory(piece, kReadPieceWords, words + kReadPieceWords * k)) return false;
  }
  return true;
}

bool TQUARN::ReadDword(uint16_t address, uint32_t* value) {
  uint16_t words[2];
  if (value == nullptr || !ReadMemory(address, 2, words)) return false;
  *value = (static_cast<uint32_t>(words[0]) << 16) | words[1];
  return true;
}

int32_t TQUARN::ReadMouseSlot(int n) {
  if (n < 0 || n >= kDeviceSlots) return -1;
  const auto address = static_cast<uint16_t>(n == 0 ? 0x2772 : 0x2718 + 8 * n);
  uint32_t value = 0;
  return ReadDword(address, &value) ? static_cast<int32_t>(value) : -1;
}

int32_t TQUARN::ReadKeyboardSlot(int n) {
  if (n < 0 || n >= kDeviceSlots) return -1;
  const auto address =
      static_cast<uint16_t>(kConfigPageAddress + SlotFirstWord(SlotKind::kKeyboard, n));
  uint32_t value = 0;
  return ReadDword(address, &value) ? static_cast<int32_t>(value) : -1;
}

int TQUARN::ReadGeneration() {
  uint16_t word = 0;
  if (!ReadMemory(kGenerationWord, 1, &word)) return 0;
  if ((word >> 8) == kGenerationMark) return FromNibbles(static_cast<uint8_t>(word >> 8));
  // A failed read leaves the unmarked first word, so the receiver counts as unknown (-1).
  ReadMemory(kGenerationFallbackWord, 1, &word);
  if ((word >> 8) == kGenerationMark) return FromNibbles(static_cast<uint8_t>(word & 0xFF));
  return -1;
}

}  // namespace host
