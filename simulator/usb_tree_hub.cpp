// The simulated hub driver's answers to its control codes, byte for byte as the real one gives them.
#include <algorithm>
#include <cstring>

#include "usb/usb_layout.h"
#include "simulator/usb_plain_device.h"
#include "simulator/usb_tree.h"

namespace sim {
namespace {

constexpr uint8_t kHubDescriptorType = 0x29;
constexpr uint8_t kHubDescriptorLength = 9;
constexpr uint8_t kHubDeviceClass = 9;
constexpr uint16_t kHubVendorId = 0x1A40;
constexpr uint16_t kHubProductId = 0x0101;
constexpr uint16_t kShortDescriptorBytes = 8;
constexpr uint8_t kBadDescriptorLength = 9;

uint32_t Smaller(uint32_t a, size_t b) { return static_cast<uint32_t>(std::min<size_t>(a, b)); }

}  // namespace

bool UsbTree::RootHubName(const Controller& controller, uint8_t* out, uint32_t outSize,
                          uint32_t* bytesReturned) const {
  if (outSize < usb::kRootHubNameSize) return false;
  // A buffer too small for the whole name still gets ActualLength and as much of the name as fits.
  const uint32_t actualLength = usb::WriteWideName(usb::WidenAscii(controller.root->name),
                                                   usb::kRootHubNameChars, out, outSize);
  usb::WriteLe32(out + usb::kRootHubNameActualLength, actualLength);
  *bytesReturned = Smaller(outSize, actualLength);
  return true;
}

bool UsbTree::NodeInformation(const Hub& hub, uint8_t* out, uint32_t outSize,
                              uint32_t* bytesReturned) const {
  if (outSize < usb::kNodeInformationSize) return false;
  std::memset(out, 0, usb::kNodeInformationSize);
  usb::WriteLe32(out + usb::kNodeInformationNodeType, 0);  // UsbHub
  out[usb::kNodeInformationDescriptorLength] = kHubDescriptorLength;
  out[usb::kNodeInformationDescriptorType] = kHubDescriptorType;
  out[usb::kNodeInformationNumberOfPorts] = static_cast<uint8_t>(hub.ports.size());
  *bytesReturned = usb::kNodeInformationSize;
  return true;
}

const UsbTree::Port* UsbTree::PortOf(const Hub& hub, const std::vector<uint8_t>& request) const {
  if (request.size() < 4) return nullptr;
  const uint32_t index = usb::ReadLe32(request.data());
  if (index < 1 || index > hub.ports.size()) return nullptr;
  return &hub.ports[index - 1];
}

bool UsbTree::ConnectionInformation(const Hub& hub, bool extended,
                                    const std::vector<uint8_t>& request, uint8_t* out,
                                    uint32_t outSize, uint32_t* bytesReturned) const {
  if (outSize < usb::kConnectionInfoSize) return false;
  const Port* port = PortOf(hub, request);
  if (port == nullptr) return false;
  if (port->options.connectionQueriesFail) return false;
  if (extended && port->options.extendedQueryFails) return false;

  usb::ConnectionInfo info;
  info.connectionIndex = usb::ReadLe32(request.data());
  if (port->hub) {
    info.descriptor = MakeDeviceDescriptor(kHubVendorId, kHubProductId, kHubDeviceClass);
    info.deviceIsHub = true;
    info.connectionStatus = usb::kDeviceConnected;
  } else if (port->device != nullptr && port->device->Connected()) {
    info.descriptor = port->options.showsOtherIds
                          ? MakeDeviceDescriptor(port->options.shownVendorId,
                                                 port->options.shownProductId)
                          : port->device->DeviceDescriptor();
    info.connectionStatus = usb::kDeviceConnected;
  }
  usb::WriteConnectionInfo(info, out, outSize);
  *bytesReturned = usb::kConnectionInfoSize;
  return true;
}

bool UsbTree::ConnectionName(const Hub& hub, const std::vector<uint8_t>& request, uint8_t* out,
                             uint32_t outSize, uint32_t* bytesReturned) const {
  if (outSize < usb::kNodeConnectionNameSize) return false;
  const Port* port = PortOf(hub, request);
  if (port == nullptr) return false;
  // A port without a hub has an empty name.
  const std::u16string name = port->hub ? usb::WidenAscii(port->hub->name) : std::u16string();
  usb::WriteLe32(out + usb::kNodeConnectionNameIndex, usb::ReadLe32(request.data()));
  const uint32_t actualLength =
      usb::WriteWideName(name, usb::kNodeConnectionNameChars, out, outSize);
  usb::WriteLe32(out + usb::kNodeConnectionNameActualLength, actualLength);
  *bytesReturned = Smaller(outSize, actualLength);
  return true;
}

bool UsbTree::DescriptorRequest(const Hub& hub, const std::vector<uint8_t>& request, uint8_t* out,
                                uint32_t outSize, uint32_t* bytesReturned) const {
  if (request.size() < usb::kDescriptorRequestHeader || outSize < usb::kDescriptorRequestHeader) {
    return false;
  }
  const Port* port = PortOf(hub, request);
  if (port == nullptr || port->Empty()) return false;
  uint32_t index = 0;
  usb::SetupPacket setup;
  usb::ReadDescriptorRequestHeader(request.data(), &index, &setup);
  // Only standard control-IN GET_DESCRIPTOR requests travel this way.
  if (setup.bmRequest != usb::kRequestTypeDeviceToHost ||
      setup.bRequest != usb::kRequestGetDescriptor) {
    return false;
  }
  const auto room = static_cast<uint16_t>(
      std::min<uint32_t>(setup.wLength, outSize - usb::kDescriptorRequestHeader));
  uint8_t* data = out + usb::kDescriptorRequestHeader;
  std::memcpy(out, request.data(), usb::kDescriptorRequestHeader);

  uint16_t length = 0;
  if (setup.wValue == usb::kDeviceDescriptorValue) {
    std::array<uint8_t, 18> descriptor{};
    if (port->hub) {
      descriptor = MakeDeviceDescriptor(kHubVendorId, kHubProductId, kHubDeviceClass);
    } else {
      if (!port->device->Connected()) return false;
      if (port->options.descriptorFault == DescriptorFault::kFail) return false;
      descriptor = port->device->DeviceDescriptor();
      if (port->options.descriptorFault == DescriptorFault::kBadLength) {
        descriptor[0] = kBadDescriptorLength;
      }
    }
    length = static_cast<uint16_t>(std::min<size_t>(room, descriptor.size()));
    if (port->options.descriptorFault == DescriptorFault::kShort) {
      length = std::min(length, kShortDescriptorBytes);
    }
    std::memcpy(data, descriptor.data(), length);
  } else {
    if (port->hub || !port->device->Connected()) return false;
    if (!port->device->ControlIn(setup.wValue, setup.wIndex, room, data, &length)) return false;
    length = std::min(length, room);
  }
  *bytesReturned = usb::kDescriptorRequestHeader + length;
  return true;
}

}  // namespace sim
