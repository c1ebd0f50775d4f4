#include "simulator/usb_plain_device.h"

#include <algorithm>

namespace sim {

std::array<uint8_t, 18> MakeDeviceDescriptor(uint16_t vendorId, uint16_t productId,
                                             uint8_t deviceClass) {
  return {18,   0x01, 0x00, 0x02, deviceClass, 0x00, 0x00, 0x40,
          static_cast<uint8_t>(vendorId), static_cast<uint8_t>(vendorId >> 8),
          static_cast<uint8_t>(productId), static_cast<uint8_t>(productId >> 8),
          0x00, 0x01, 0x01, 0x02, 0x00, 0x01};
}

PlainUsbDevice::PlainUsbDevice(uint16_t vendorId, uint16_t productId)
    : descriptor_(MakeDeviceDescriptor(vendorId, productId)) {}

bool PlainUsbDevice::ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                               uint16_t* replyLength) {
  if (wValue != 0x0100 || wIndex != 0) return false;
  const auto count = static_cast<uint16_t>(std::min<size_t>(wLength, descriptor_.size()));
  std::copy(descriptor_.begin(), descriptor_.begin() + count, reply);
  *replyLength = count;
  return true;
}

}  // namespace sim
