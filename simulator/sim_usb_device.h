// A device plugged into a port of the simulated USB tree.
#pragma once
#include <array>
#include <cstdint>

namespace sim {

class SimUsbDevice {
 public:
  virtual ~SimUsbDevice() = default;

  // The 18-byte device descriptor the device itself returns (idVendor at bytes 8-9, idProduct at 10-11).
  virtual std::array<uint8_t, 18> DeviceDescriptor() const = 0;

  // False once the device has been pulled out: its port then reports "no device connected".
  virtual bool Connected() const { return true; }

  // One control-IN request (bmRequestType 0x80, bRequest 0x06) with the given setup fields. On success
  // at most wLength reply bytes are written to reply and their count to replyLength. False = the
  // request failed (stalled, or the device is gone); reply and replyLength are then left alone.
  virtual bool ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                         uint16_t* replyLength) = 0;
};

}  // namespace sim
