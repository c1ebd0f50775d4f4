#include "usb/usb_layout.h"

#include <algorithm>
#include <cstring>

namespace usb {

uint16_t ReadLe16(const uint8_t* bytes) {
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t ReadLe32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
         (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void WriteLe16(uint8_t* bytes, uint16_t value) {
  bytes[0] = static_cast<uint8_t>(value);
  bytes[1] = static_cast<uint8_t>(value >> 8);
}

void WriteLe32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t DescriptorVendorId(const DeviceDescriptor& descriptor) {
  return ReadLe16(&descriptor[kDescriptorVendorId]);
}

uint16_t DescriptorProductId(const DeviceDescriptor& descriptor) {
  return ReadLe16(&descriptor[kDescriptorProductId]);
}

bool ParseConnectionInfo(const uint8_t* reply, size_t size, ConnectionInfo* info) {
  if (reply == nullptr || size < kConnectionInfoSize) return false;
  info->connectionIndex = ReadLe32(reply + kConnectionInfoIndex);
  std::memcpy(info->descriptor.data(), reply + kConnectionInfoDescriptor, kDeviceDescriptorSize);
  info->deviceIsHub = reply[kConnectionInfoDeviceIsHub] != 0;
  info->connectionStatus = ReadLe32(reply + kConnectionInfoStatus);
  return true;
}

void WriteConnectionInfo(const ConnectionInfo& info, uint8_t* out, size_t size) {
  if (out == nullptr || size < kConnectionInfoSize) return;
  std::memset(out, 0, kConnectionInfoSize);
  WriteLe32(out + kConnectionInfoIndex, info.connectionIndex);
  std::memcpy(out + kConnectionInfoDescriptor, info.descriptor.data(), kDeviceDescriptorSize);
  out[kConnectionInfoDeviceIsHub] = info.deviceIsHub ? 1 : 0;
  WriteLe32(out + kConnectionInfoStatus, info.connectionStatus);
}

void WriteDescriptorRequestHeader(uint32_t port, const SetupPacket& setup, uint8_t* out) {
  std::memset(out, 0, kDescriptorRequestHeader);
  WriteLe32(out + kDescriptorRequestIndex, port);
  out[kDescriptorRequestBmRequest] = setup.bmRequest;
  out[kDescriptorRequestBRequest] = setup.bRequest;
  WriteLe16(out + kDescriptorRequestWValue, setup.wValue);
  WriteLe16(out + kDescriptorRequestWIndex, setup.wIndex);
  WriteLe16(out + kDescriptorRequestWLength, setup.wLength);
}

void ReadDescriptorRequestHeader(const uint8_t* in, uint32_t* port, SetupPacket* setup) {
  *port = ReadLe32(in + kDescriptorRequestIndex);
  setup->bmRequest = in[kDescriptorRequestBmRequest];
  setup->bRequest = in[kDescriptorRequestBRequest];
  setup->wValue = ReadLe16(in + kDescriptorRequestWValue);
  setup->wIndex = ReadLe16(in + kDescriptorRequestWIndex);
  setup->wLength = ReadLe16(in + kDescriptorRequestWLength);
}

std::u16string ReadWideName(const uint8_t* reply, size_t size, size_t offset) {
  std::u16string name;
  if (reply == nullptr) return name;
  for (size_t at = offset; at + 1 < size; at += 2) {
    const char16_t c = static_cast<char16_t>(ReadLe16(reply + at));
    if (c == 0) break;
    name.push_back(c);
  }
  return name;
}

uint32_t WriteWideName(const std::u16string& name, size_t offset, uint8_t* out, size_t size) {
  const size_t needed = offset + 2 * (name.size() + 1);
  for (size_t i = 0; i <= name.size(); ++i) {
    const size_t at = offset + 2 * i;
    if (at + 2 > size) break;
    WriteLe16(out + at, i < name.size() ? static_cast<uint16_t>(name[i]) : 0);
  }
  return static_cast<uint32_t>(needed);
}

std::string NarrowAscii(const std::u16string& name) {
  std::string narrow(name.size(), '?');
  std::transform(name.begin(), name.end(), narrow.begin(),
                 [](char16_t c) { return c < 0x80 ? static_cast<char>(c) : '?'; });
  return narrow;
}

std::u16string WidenAscii(const std::string& name) {
  std::u16string wide(name.size(), u'?');
  std::transform(name.begin(), name.end(), wide.begin(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 ? static_cast<char16_t>(byte) : u'?';
  });
  return wide;
}

}  // namespace usb
