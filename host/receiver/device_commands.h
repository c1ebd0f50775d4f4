// What the receiver command set needs from the device-access library: its Write and Read exports,
// addressed by the path and tag that the receiver look-up gave.
#pragma once
#include <cstdint>
#include <string>

namespace host {

class DeviceCommands {
 public:
  virtual ~DeviceCommands() = default;

  // The library's Write: one command whose answer is discarded. Only the low byte of the result
  // means anything (non-zero = the receiver took the command).
  virtual int32_t SendCommand(const std::u16string& path, uint16_t tag, uint16_t command,
                              uint16_t value, uint16_t length) = 0;
  // The library's Read: low byte non-zero = buffer now holds `length` bytes of answer.
  virtual int32_t ReadCommand(const std::u16string& path, uint16_t tag, uint16_t command,
                              uint16_t value, uint16_t length, uint8_t* buffer) = 0;
};

// Only the low byte of a library result carries the outcome.
inline bool LibrarySucceeded(int32_t result) { return (result & 0xFF) != 0; }

}  // namespace host
