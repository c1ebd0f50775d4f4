#include "receiver/command_channel.h"

namespace receiver {
namespace {

constexpr uint16_t kPieceBytes = 8;  // one page read brings four words

bool ReadBackEquals(CommandChannel& channel, uint16_t address, const uint8_t* expected) {
  uint8_t word[2] = {0, 0};
  if (!channel.ReadCommand(CMD_READ_MEMORY, address, 2, word)) return false;
  return word[0] == expected[0] && word[1] == expected[1];
}

}  // namespace

bool CommandChannel::ErasePage(uint16_t address) {
  return SendCommand(CMD_ERASE_PAGE, address, kDiscardedReplyLength);
}

bool CommandChannel::LoadByte(uint8_t position, uint8_t value) {
  return SendCommand(CMD_LOAD_BYTE, static_cast<uint16_t>(position | (value << 8)),
                     kDiscardedReplyLength);
}

bool CommandChannel::Program(uint16_t address, bool block) {
  const auto argument = static_cast<uint16_t>(block ? (address | kProgramBlockFlag)
                                                    : (address & ~kProgramBlockFlag));
  return SendCommand(CMD_PROGRAM, argument, kDiscardedReplyLength);
}

bool CommandChannel::ReadRecord(uint16_t selector, uint8_t* record) {
  return ReadCommand(CMD_READ_RECORD, selector, kRecordBytes, record);
}

bool CommandChannel::SetParameter(uint8_t number, uint16_t value) {
  return SendCommand(static_cast<uint16_t>(CMD_SET_PARAMETER + number), value,
                     kDiscardedReplyLength);
}

bool CommandChannel::UpdateMode(uint16_t mode) {
  return SendCommand(CMD_UPDATE_MODE, mode, kDiscardedReplyLength);
}

bool CommandChannel::SetPairing(uint16_t on) {
  return SendCommand(CMD_PAIRING, on, kDiscardedReplyLength);
}

bool WriteBlock(CommandChannel& channel, uint16_t address, const uint8_t* data,
                const Progress& progress) {
  // The loads and the program command are judged only by the read-back below.
  for (uint8_t i = 0; i < kBlockBytes; ++i) channel.LoadByte(i, data[i]);
  channel.Program(address);
  if (progress) progress(0, static_cast<uint16_t>(address + kBlockWords), 0, 0);
  for (uint16_t i = 0; i < kBlockWords; ++i) {
    if (!ReadBackEquals(channel, static_cast<uint16_t>(address + i), data + 2 * i)) return false;
  }
  return true;
}

bool WriteWord(CommandChannel& channel, uint16_t address, const uint8_t* data) {
  channel.LoadByte(0, data[0]);
  channel.LoadByte(1, data[1]);
  channel.Program(address, false);
  return ReadBackEquals(channel, address, data);
}

bool WritePage(CommandChannel& channel, uint16_t address, const uint8_t* data,
               const Progress& progress) {
  channel.ErasePage(address);
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
