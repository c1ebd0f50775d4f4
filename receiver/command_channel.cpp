#include "receiver/command_channel.h"

namespace receiver {
namespace {

constexpr uint16_t kPieceBytes = 8;  // one page read brings four words

bool ReadBackEquals(CommandChannel& channel, uint16_t address, const uint8_t* expected) {
  uint8_t word[2] = {0, 0};
  if (!channel.ReadCommand(CMD_READ_MEMORY, address, 2, word)) return false;
  return word[0] == expected[0] && word[1] == expected[1];
}

bool LoadByte(CommandChannel& channel, uint8_t position, uint8_t value) {
  return channel.SendCommand(CMD_LOAD_BYTE, static_cast<uint16_t>(position | (value << 8)),
                             kDiscardedReplyLength);
}

}  // namespace

bool WriteBlock(CommandChannel& channel, uint16_t address, const uint8_t* data,
                const Progress& progress) {
  // The loads and the program command are judged only by the read-back below.
  for (uint8_t i = 0; i < kBlockBytes; ++i) LoadByte(channel, i, data[i]);
  channel.SendCommand(CMD_PROGRAM, address | kProgramBlockFlag, kDiscardedReplyLength);
  if (progress) progress(0, static_cast<uint16_t>(address + kBlockWords), 0, 0);
  for (uint16_t i = 0; i < kBlockWords; ++i) {
    if (!ReadBackEquals(channel, static_cast<uint16_t>(address + i), data + 2 * i)) return false;
  }
  return true;
}

bool WriteWord(CommandChannel& channel, uint16_t address, const uint8_t* data) {
  LoadByte(channel, 0, data[0]);
  LoadByte(channel, 1, data[1]);
  channel.SendCommand(CMD_PROGRAM, address & ~kProgramBlockFlag, kDiscardedReplyLength);
  return ReadBackEquals(channel, address, data);
}

bool WritePage(CommandChannel& channel, uint16_t address, const uint8_t* data,
               const Progress& progress) {
  channel.SendCommand(CMD_ERASE_PAGE, address, kDiscardedReplyLength);
  for (uint16_t k = 0; k < kBlocksPerPage; ++k) {
    const auto block = static_cast<uint16_t>(address + kBlockWords * k);
    if (!WriteBlock(channel, block, data + kBlockBytes * k, progress)) return false;
  }
  return true;
}

bool ReadPage(CommandChannel& channel, uint16_t address, uint8_t* buffer) {
  constexpr uint16_t kPieceWords = kPieceBytes / 2;
  for (uint16_t k = 0; k < kPageBytes / kPieceBytes; ++k) {
    const auto piece = static_cast<uint16_t>(address + kPieceWords * k);
    if (!channel.ReadCommand(CMD_READ_MEMORY, piece, kPieceBytes, buffer + kPieceBytes * k)) {
      return false;
    }
  }
  return true;
}

}  // namespace receiver
