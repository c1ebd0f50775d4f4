// A tiny receiver stand-in for the command channel tests: records every request and keeps a flash
// of 64K words that the load/program/read/erase commands act on, with injectable faults.
#pragma once
#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

#include "simulator/sim_usb_device.h"
#include "simulator/usb_plain_device.h"

namespace usbtest {

struct Request {
  uint16_t wValue;
  uint16_t wIndex;
  uint16_t wLength;
  bool operator==(const Request& other) const {
    return wValue == other.wValue && wIndex == other.wIndex && wLength == other.wLength;
  }
};

class FlashDevice : public sim::SimUsbDevice {
 public:
  FlashDevice(uint16_t vendorId, uint16_t productId)
      : descriptor_(sim::MakeDeviceDescriptor(vendorId, productId)), flash_(65536, 0xFFFF) {}

  std::array<uint8_t, 18> DeviceDescriptor() const override { return descriptor_; }
  bool Connected() const override { return connected_; }

  bool ControlIn(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                 uint16_t* replyLength) override {
    log.push_back({wValue, wIndex, wLength});
    if (!connected_) return false;
    std::vector<uint8_t> answer(1, 0);
    switch (wValue) {
      case 0xB504:
        buffer_[wIndex & 0x3F] = static_cast<uint8_t>(wIndex >> 8);
        break;
      case 0xB500:
        Program(wIndex);
        break;
      case 0xB502:
        for (int i = 0; i < 128; ++i) Store(static_cast<uint16_t>(wIndex + i), 0xFFFF);
        break;
      case 0xB501:
        if (failingReads.count(wIndex) != 0) return false;
        answer = Read(wIndex, shortReads ? wLength / 2 : wLength);
        break;
      case 0xB600:
        answer.assign(record.begin(), record.end());
        break;
      default:
        break;
    }
    const auto count = static_cast<uint16_t>(std::min<size_t>(answer.size(), wLength));
    std::copy(answer.begin(), answer.begin() + count, reply);
    *replyLength = count;
    return true;
  }

  void Unplug() { connected_ = false; }
  uint16_t Word(uint16_t address) const { return flash_[address]; }
  void SetWord(uint16_t address, uint16_t value) { flash_[address] = value; }

  std::vector<Request> log;
  std::set<uint16_t> stuckWords;   // programming leaves these words as they are
  std::set<uint16_t> failingReads;  // memory reads starting here fail
  bool shortReads = false;          // memory reads answer half of what was asked
  std::array<uint8_t, 8> record{};

 private:
  void Store(uint16_t address, uint16_t value) {
    if (stuckWords.count(address) == 0) flash_[address] = value;
  }
  void Program(uint16_t argument) {
    const auto address = static_cast<uint16_t>(argument & 0x7FFF);
    const int words = (argument & 0x8000) != 0 ? 32 : 1;
    for (int i = 0; i < words; ++i) {
      Store(static_cast<uint16_t>(address + i),
            static_cast<uint16_t>(buffer_[2 * i] | (buffer_[2 * i + 1] << 8)));
    }
  }
  std::vector<uint8_t> Read(uint16_t address, uint16_t count) const {
    std::vector<uint8_t> bytes;
    for (uint16_t i = 0; i < count; ++i) {
      const uint16_t word = flash_[static_cast<uint16_t>(address + i / 2)];
      bytes.push_back(static_cast<uint8_t>(i % 2 == 0 ? word : word >> 8));
    }
    return bytes;
  }

  std::array<uint8_t, 18> descriptor_;
  std::vector<uint16_t> flash_;
  std::array<uint8_t, 64> buffer_{};
  bool connected_ = true;
};

}  // namespace usbtest
