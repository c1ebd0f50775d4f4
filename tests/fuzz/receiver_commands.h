// A session of commands as the programs send them to a receiver: pairing with status and RF-info
// reads, the configuration page read, erased and rewritten in update mode, and a few refused ones.
#pragma once
#include <cstdint>
#include <cstdlib>

#include "receiver/receiver_protocol.h"
#include "simulator/sim_usb_device.h"

namespace fuzz {

inline void RunCommandSession(sim::SimUsbDevice& device) {
  using namespace receiver;
  struct Command {
    uint16_t wValue, wIndex, wLength;
  };
  static const Command kSession[] = {
      {0xBE07, 12, 1},          {CMD_PAIRING, kPairingStart, 1},   {CMD_READ_RECORD, 6, 8},
      {CMD_READ_RECORD, 4, 8},  {CMD_READ_RECORD, 6, 8},           {CMD_READ_RECORD, 4, 8},
      {CMD_READ_RECORD, 6, 8},  {CMD_READ_RECORD, 4, 8},           {CMD_READ_RECORD, 9, 8},
      {CMD_PAIRING, kPairingStart, 1}, {CMD_READ_RECORD, 6, 8},    {CMD_PAIRING, kPairingStop, 1},
      {CMD_READ_MEMORY, kConfigPageAddress, 8}, {CMD_READ_MEMORY, 0xFFFC, 8},
      {CMD_READ_MEMORY, 0x058F, 2}, {CMD_UPDATE_MODE, kUpdateModeEnter, 1},
      {CMD_ERASE_PAGE, kConfigPageAddress, 1}, {CMD_LOAD_BYTE, 0x1200, 1}, {CMD_LOAD_BYTE, 0x3463, 1},
      {CMD_LOAD_BYTE, 64, 1},   {CMD_PROGRAM, kConfigPageAddress | kProgramBlockFlag, 1},
      {CMD_PROGRAM, 0x7FF0 | kProgramBlockFlag, 1}, {CMD_UPDATE_MODE, kUpdateModeLeave, 1},
      {CMD_UPDATE_MODE, 3, 1},  {0x1234, 0, 1},                    {CMD_READ_MEMORY, kConfigPageAddress, 0},
  };
  for (const Command& c : kSession) {
    uint8_t reply[64];
    uint16_t replyLength = 0xFFFF;
    if (device.ControlIn(c.wValue, c.wIndex, c.wLength, reply, &replyLength) && replyLength > c.wLength) {
      std::abort();  // a reply longer than asked for would overrun the caller's buffer
    }
  }
}

}  // namespace fuzz
