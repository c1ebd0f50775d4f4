// The receiver's command set over descriptor requests to its hub port, and the flash operations
// built on it: reading a page, and erasing, programming and verifying it block by block.
#pragma once
#include <cstdint>

#include "receiver/command_channel.h"
#include "usb/usb_descriptors.h"

class TSoftCpu : public TUsbDescriptors, public receiver::CommandChannel {
 public:
  // Called once per written block with (0, block address + 32, 0, 0).
  using Progress = receiver::Progress;

  explicit TSoftCpu(const usb::UsbPlatformOps& platform);

  // One transfer whose reply is discarded.
  bool SendCommand(uint16_t wValue, uint16_t wIndex, uint16_t wLength) override;
  // One transfer whose reply fills buffer[0..wLength). False, and buffer untouched, when the
  // transfer fails or the reply is shorter than wLength.
  bool ReadCommand(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* buffer) override;

  bool ReadMemory(uint16_t address, uint16_t count, uint8_t* buffer);
  bool StartPairing();

  // Loads 64 bytes, programs them as the block at address and reads every word back. True only
  // when all 32 words read back as written; a read-back that fails counts as a difference.
  bool WriteBlock(uint16_t address, const uint8_t* data, const Progress& progress = {});
  // The single-word form of WriteBlock for data[0..1].
  bool WriteWord(uint16_t address, const uint8_t* data);
  // Erases the page at address and writes data[0..255] as four verified blocks; stops at the
  // first block that fails.
  bool WritePage(uint16_t address, const uint8_t* data, const Progress& progress = {});
  // Reads the 256-byte page at address in 8-byte pieces; stops at the first failed read.
  bool ReadPage(uint16_t address, uint8_t* buffer);
};
