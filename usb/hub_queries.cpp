#include "usb/hub_queries.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace usb {
namespace {

// A name reply longer than this is not believed: no hub name comes near it.
constexpr uint32_t kMaxNameReplyBytes = 65536;

bool IoControlInPlace(const UsbPlatformOps& ops, PlatformHandle handle, uint32_t code,
                      std::vector<uint8_t>* buffer, uint32_t* bytesReturned,
                      uint32_t timeLimitMs = kDescriptorTimeLimitMs) {
  *bytesReturned = 0;
  const auto size = static_cast<uint32_t>(buffer->size());
  return ops.deviceIoControl(ops.context, handle, code, buffer->data(), size, buffer->data(), size,
                             bytesReturned, timeLimitMs);
}

// The name behind nameOffset in a reply of at most bytesReturned bytes, as an 8-bit string.
bool NarrowNameFromReply(const UsbPlatformOps& ops, const std::vector<uint8_t>& reply,
                         uint32_t bytesReturned, size_t nameOffset, std::string* name) {
  const size_t valid = std::min<size_t>(bytesReturned, reply.size());
  const std::u16string wide = ReadWideName(reply.data(), valid, nameOffset);
  if (wide.empty()) return false;
  std::string narrow;
  if (!ops.narrowName(ops.context, wide, &narrow)) return false;
  if (narrow.empty() || narrow.size() > kMaxHubNameBytes) return false;
  *name = narrow;
  return true;
}

bool PlausibleActualLength(uint32_t actualLength, size_t nameOffset) {
  return actualLength > nameOffset && actualLength <= kMaxNameReplyBytes;
}

bool SendDescriptorRequest(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                           uint16_t wValue, uint16_t wIndex, uint16_t wLength,
                           uint32_t timeLimitMs, std::vector<uint8_t>* request,
                           uint32_t* bytesReturned) {
  if (!AllocateZeroed(request, kDescriptorRequestHeader + wLength)) return false;
  SetupPacket setup;
  setup.wValue = wValue;
  setup.wIndex = wIndex;
  setup.wLength = wLength;
  WriteDescriptorRequestHeader(port, setup, request->data());
  return IoControlInPlace(ops, hub, kIoctlGetDescriptorFromNodeConnection, request, bytesReturned,
                          timeLimitMs);
}

bool QueryConnection(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                            uint32_t code, ConnectionInfo* info) {
  std::vector<uint8_t> buffer;
  if (!AllocateZeroed(&buffer, kConnectionQueryBufferSize)) return false;
  WriteLe32(&buffer[kConnectionInfoIndex], port);
  uint32_t bytes = 0;
  if (!IoControlInPlace(ops, hub, code, &buffer, &bytes)) return false;
  return ParseConnectionInfo(buffer.data(), std::min<size_t>(bytes, buffer.size()), info);
}

}  // namespace

ScopedHandle::ScopedHandle(const UsbPlatformOps& ops, const std::string& path)
    : ops_(ops), handle_(ops.openPath(ops.context, path.c_str())) {}

ScopedHandle::~ScopedHandle() {
  if (handle_ != kInvalidHandle) ops_.closeHandle(ops_.context, handle_);
}

ScopedInterfaceSet::ScopedInterfaceSet(const UsbPlatformOps& ops)
    : ops_(ops), set_(ops.getHostControllerSet(ops.context)) {}

ScopedInterfaceSet::~ScopedInterfaceSet() {
  if (set_ != kInvalidSet) ops_.destroyInterfaceSet(ops_.context, set_);
}

std::string HubPath(const std::string& hubName) { return "\\\\.\\" + hubName; }

bool AllocateZeroed(std::vector<uint8_t>* buffer, size_t size) {
  try {
    buffer->assign(size, 0);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

bool GetRootHubName(const UsbPlatformOps& ops, PlatformHandle controller, std::string* name) {
  std::vector<uint8_t> head;
  if (!AllocateZeroed(&head, kRootHubNameSize)) return false;
  uint32_t bytes = 0;
  if (!IoControlInPlace(ops, controller, kIoctlGetRootHubName, &head, &bytes)) return false;
  const uint32_t actualLength = ReadLe32(&head[kRootHubNameActualLength]);
  if (!PlausibleActualLength(actualLength, kRootHubNameChars)) return false;

  std::vector<uint8_t> whole;
  if (!AllocateZeroed(&whole, actualLength)) return false;
  if (!IoControlInPlace(ops, controller, kIoctlGetRootHubName, &whole, &bytes)) return false;
  return NarrowNameFromReply(ops, whole, bytes, kRootHubNameChars, name);
}

bool GetPortCount(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t* ports) {
  std::vector<uint8_t> info;
  if (!AllocateZeroed(&info, kNodeInformationSize)) return false;
  uint32_t bytes = 0;
  if (!IoControlInPlace(ops, hub, kIoctlGetNodeInformation, &info, &bytes)) return false;
  *ports = info[kNodeInformationNumberOfPorts];
  return true;
}

bool GetConnectionInfo(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                       ConnectionInfo* info, bool* extended) {
  if (QueryConnection(ops, hub, port, kIoctlGetNodeConnectionInformationEx, info)) {
    *extended = true;
    return true;
  }
  if (QueryConnection(ops, hub, port, kIoctlGetNodeConnectionInformation, info)) {
    *extended = false;
    return true;
  }
  return false;
}

bool GetConnectionName(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                       std::string* name) {
  std::vector<uint8_t> head;
  if (!AllocateZeroed(&head, kNodeConnectionNameSize)) return false;
  WriteLe32(&head[kNodeConnectionNameIndex], port);
  uint32_t bytes = 0;
  if (!IoControlInPlace(ops, hub, kIoctlGetNodeConnectionName, &head, &bytes)) return false;
  const uint32_t actualLength = ReadLe32(&head[kNodeConnectionNameActualLength]);
  if (!PlausibleActualLength(actualLength, kNodeConnectionNameChars)) return false;

  std::vector<uint8_t> whole;
  if (!AllocateZeroed(&whole, actualLength)) return false;
  WriteLe32(&whole[kNodeConnectionNameIndex], port);
  if (!IoControlInPlace(ops, hub, kIoctlGetNodeConnectionName, &whole, &bytes)) return false;
  return NarrowNameFromReply(ops, whole, bytes, kNodeConnectionNameChars, name);
}

bool GetDescriptor(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                   uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint32_t timeLimitMs,
                   std::vector<uint8_t>* data) {
  std::vector<uint8_t> request;
  uint32_t bytes = 0;
  if (!SendDescriptorRequest(ops, hub, port, wValue, wIndex, wLength, timeLimitMs, &request,
                             &bytes)) {
    return false;
  }
  // A reply shorter than the request header is no answer at all; counting it as success would
  // hand the caller wLength bytes that the device never sent.
  if (bytes < kDescriptorRequestHeader) return false;
  const size_t replyLength = std::min<size_t>(bytes - kDescriptorRequestHeader, wLength);
  const auto begin = request.begin() + kDescriptorRequestHeader;
  try {
    data->assign(begin, begin + static_cast<std::ptrdiff_t>(replyLength));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool GetDeviceDescriptor(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                         DeviceDescriptor* descriptor) {
  std::vector<uint8_t> request;
  uint32_t bytes = 0;
  if (!SendDescriptorRequest(ops, hub, port, kDeviceDescriptorValue, 0, kDeviceDescriptorSize,
                             kDescriptorTimeLimitMs, &request, &bytes)) {
    return false;
  }
  if (bytes != kDescriptorRequestHeader + kDeviceDescriptorSize) return false;
  const uint8_t* answer = &request[kDescriptorRequestHeader];
  if (answer[0] < kDeviceDescriptorSize) return false;
  std::copy(answer, answer + kDeviceDescriptorSize, descriptor->begin());
  return true;
}

bool GetInterfacePath(const UsbPlatformOps& ops, InterfaceSet set, uint32_t index,
                      std::string* path, bool* more) {
  DeviceInterfaceData data{};
  WriteLe32(data.raw, ops.interfaceDataSize);
  *more = ops.enumDeviceInterfaces(ops.context, set, index, &data);
  if (!*more) return false;

  uint32_t required = 0;
  ops.getInterfaceDetail(ops.context, set, &data, nullptr, 0, &required);
  if (required <= kInterfaceDetailPath || required > kMaxNameReplyBytes) return false;

  std::vector<uint8_t> detail;
  if (!AllocateZeroed(&detail, required)) return false;
  WriteLe32(detail.data(), ops.interfaceDetailSize);
  if (!ops.getInterfaceDetail(ops.context, set, &data, detail.data(), required, nullptr)) {
    return false;
  }
  const auto begin = detail.begin() + kInterfaceDetailPath;
  const auto end = std::find(begin, detail.end(), 0);
  path->assign(begin, end);
  return !path->empty();
}

}  // namespace usb
