// One receiver command, however it travels: a descriptor request to the receiver's hub port (the
// pairing tool) or a call of the device-access library (the host). The flash operations below are
// written once over it.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "receiver/receiver_protocol.h"

namespace receiver {

class CommandChannel {
 public:
  virtual ~CommandChannel() = default;
  // One command whose reply is discarded; true when the receiver took it.
  virtual bool SendCommand(uint16_t command, uint16_t value, uint16_t length) = 0;
  // One command whose reply fills buffer[0..length); false, and the buffer untouched, on failure.
  virtual bool ReadCommand(uint16_t command, uint16_t value, uint16_t length, uint8_t* buffer) = 0;

  // The named commands, written once for every channel.
  bool ErasePage(uint16_t address);
  bool LoadByte(uint8_t position, uint8_t value);
  // The 64-byte write buffer as the block at address, or (block false) its first word alone.
  bool Program(uint16_t address, bool block = true);
  bool ReadRecord(uint16_t selector, uint8_t* record);  // record holds kRecordBytes
  bool SetParameter(uint8_t number, uint16_t value);
  bool UpdateMode(uint16_t mode);  // kUpdateModeEnter or kUpdateModeLeave
  bool SetPairing(uint16_t on);    // 1 = start, 0 = stop
};

// A page as the receiver holds it: byte 2k is the low byte of word k.
using Page = std::array<uint8_t, kPageBytes>;

// Called once per written block with (0, block address + 32, 0, 0).
using Progress = std::function<void(uint32_t, uint32_t, uint32_t, uint32_t)>;

// Loads 64 bytes, programs them as the block at `address` and reads every word back. True only when
// all 32 words read back as written; a read-back that fails counts as a difference (a failed read
// must not pass for an erased word that was meant to stay erased).
bool WriteBlock(CommandChannel& channel, uint16_t address, const uint8_t* data,
                const Progress& progress = {});
// The single-word form of WriteBlock for data[0..1].
bool WriteWord(CommandChannel& channel, uint16_t address, const uint8_t* data);
// Erases the page at `address` and writes data[0..255] as four verified blocks; stops at the first
// block that fails, so a failed write can leave the page erased or partly written.
bool WritePage(CommandChannel& channel, uint16_t address, const uint8_t* data,
               const Progress& progress = {});
// Reads the 256-byte page at `address` in 8-byte pieces; stops at the first failed read.
bool ReadPage(CommandChannel& channel, uint16_t address, uint8_t* buffer);

}  // namespace receiver
