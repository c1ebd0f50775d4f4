// A device that is nothing but its IDs: it answers the device descriptor request and refuses every
// other request. Fills the simulated USB tree with mice, keyboards and other strangers.
#pragma once
#include <cstdint>

#include "simulator/sim_usb_device.h"

namespace sim {

class PlainUsbDevice : public SimUsbDevice {
 public:
  PlainUsbDevice(uint16_t vendorId, uint16_t productId);

  std::array<uint8_t, 18> DeviceDescriptor() const override { return descriptor_; }
  bool ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                 uint16_t* replyLength) override;

 private:
  std::array<uint8_t, 18> descriptor_;
};

// A standard 18-byte device descriptor with these IDs (class, version and strings typical of a
// full-speed device; bDeviceClass 9 for a hub).
std::array<uint8_t, 18> MakeDeviceDescriptor(uint16_t vendorId, uint16_t productId,
                                             uint8_t deviceClass = 0);

}  // namespace sim
