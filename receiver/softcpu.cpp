#include "receiver/softcpu.h"

#include <algorithm>
#include <vector>

#include "usb/hub_queries.h"
#include "receiver/receiver_protocol.h"

using namespace receiver;

TSoftCpu::TSoftCpu(const usb::UsbPlatformOps& platform) : TUsbDescriptors(platform) {}

bool TSoftCpu::SendCommand(uint16_t wValue, uint16_t wIndex, uint16_t wLength) {
  std::vector<uint8_t> scratch;
  if (!usb::AllocateZeroed(&scratch, std::max<size_t>(wLength, 1))) return false;
  uint16_t length = 0;
  return Transfer(wValue, wIndex, wLength, scratch.data(), &length);
}

bool TSoftCpu::ReadCommand(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* buffer) {
  if (buffer == nullptr && wLength > 0) return false;
  std::vector<uint8_t> reply;
  if (!usb::AllocateZeroed(&reply, std::max<size_t>(wLength, 1))) return false;
  uint16_t length = 0;
  if (!Transfer(wValue, wIndex, wLength, reply.data(), &length)) return false;
  // A short reply would leave stale bytes behind the ones received; it must not pass as a read.
  if (length < wLength) return false;
  std::copy(reply.begin(), reply.begin() + wLength, buffer);
  return true;
}

bool TSoftCpu::ReadMemory(uint16_t address, uint16_t count, uint8_t* buffer) {
  return ReadCommand(CMD_READ_MEMORY, address, count, buffer);
}

bool TSoftCpu::StartPairing() {
  return SetPairing(kPairingStart);
}

bool TSoftCpu::WriteBlock(uint16_t address, const uint8_t* data, const Progress& progress) {
  return receiver::WriteBlock(*this, address, data, progress);
}

bool TSoftCpu::WriteWord(uint16_t address, const uint8_t* data) {
  return receiver::WriteWord(*this, address, data);
}

bool TSoftCpu::WritePage(uint16_t address, const uint8_t* data, const Progress& progress) {
  return receiver::WritePage(*this, address, data, progress);
}

bool TSoftCpu::ReadPage(uint16_t address, uint8_t* buffer) {
  return receiver::ReadPage(*this, address, buffer);
}
