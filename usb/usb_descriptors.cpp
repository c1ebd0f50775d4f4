#include "usb/usb_descriptors.h"

#include <algorithm>
#include <vector>

#include "usb/hub_queries.h"
#include "usb/usb_layout.h"

using usb::ConnectionInfo;
using usb::PlatformHandle;
using usb::ScopedHandle;

namespace {
constexpr int kHostControllerNumbers = 10;
}  // namespace

TUsbDescriptors::TUsbDescriptors(const usb::UsbPlatformOps& platform) : platform_(platform) {}

bool TUsbDescriptors::FindReceiver(uint16_t vendorId, uint16_t productId) {
  targetVendorId_ = vendorId;
  targetProductId_ = productId;
  foundCount_ = 0;

  // Both passes run to their end; the second reaches root hubs the first already searched, and
  // IsListed keeps their ports from being listed twice.
  SearchByControllerNumber();
  SearchByInterface();

  if (foundCount_ == 0) return false;
  chosen_ = found_[0];
  return true;
}

void TUsbDescriptors::SearchByControllerNumber() {
  for (int n = 0; n < kHostControllerNumbers; ++n) {
    SearchController("\\\\.\\HCD" + std::to_string(n));
  }
}

void TUsbDescriptors::SearchByInterface() {
  usb::ScopedInterfaceSet set(platform_);
  if (!set.IsOpen()) return;
  bool more = true;
  for (uint32_t index = 0; more; ++index) {
    std::string path;
    if (usb::GetInterfacePath(platform_, set.Get(), index, &path, &more)) SearchController(path);
  }
}

void TUsbDescriptors::SearchController(const std::string& path) {
  ScopedHandle controller(platform_, path);
  if (!controller.IsOpen()) return;
  std::string rootHub;
  if (usb::GetRootHubName(platform_, controller.Get(), &rootHub)) WalkHub(rootHub);
}

bool TUsbDescriptors::WalkHub(const std::string& hubName) { return WalkHubAt(hubName, 0); }

bool TUsbDescriptors::WalkHubAt(const std::string& hubName, int nesting) {
  ScopedHandle hub(platform_, usb::HubPath(hubName));
  if (!hub.IsOpen()) return false;
  uint32_t ports = 0;
  if (!usb::GetPortCount(platform_, hub.Get(), &ports)) ports = 0;
  for (uint32_t port = 1; port <= ports; ++port) CheckPort(hub.Get(), hubName, port, nesting);
  return true;
}

void TUsbDescriptors::CheckPort(PlatformHandle hub, const std::string& hubName, uint32_t port,
                                int nesting) {
  ConnectionInfo info;
  bool extended = false;
  if (!usb::GetConnectionInfo(platform_, hub, port, &info, &extended)) return;
  if (info.connectionStatus != usb::kDeviceConnected) return;

  if (info.deviceIsHub) {
    std::string downstream;
    if (nesting < kMaxHubNesting && usb::GetConnectionName(platform_, hub, port, &downstream)) {
      WalkHubAt(downstream, nesting + 1);
    }
    return;
  }

  const auto portNumber = static_cast<int32_t>(port);
  if (IsListed(hubName, portNumber)) return;

  const uint16_t shownVendorId = usb::DescriptorVendorId(info.descriptor);
  const uint16_t shownProductId = usb::DescriptorProductId(info.descriptor);
  if (extended && Matches(shownVendorId, shownProductId)) {
    AddFound(hubName, portNumber, shownVendorId, shownProductId);
    return;
  }

  // The hub driver's copy of the descriptor may show other IDs than the device's own. It is still
  // the copy that every command checks, so it is the one remembered.
  usb::DeviceDescriptor own{};
  if (usb::GetDeviceDescriptor(platform_, hub, port, &own) &&
      Matches(usb::DescriptorVendorId(own), usb::DescriptorProductId(own))) {
    AddFound(hubName, portNumber, shownVendorId, shownProductId);
  }
}

bool TUsbDescriptors::Matches(uint16_t vendorId, uint16_t productId) const {
  return vendorId == targetVendorId_ && productId == targetProductId_;
}

bool TUsbDescriptors::IsListed(const std::string& hubName, int32_t port) const {
  return std::any_of(found_.begin(), found_.begin() + foundCount_,
                     [&](const ReceiverLocation& entry) {
                       return entry.port == port && entry.hubName == hubName;
                     });
}

bool TUsbDescriptors::AddFound(const std::string& hubName, int32_t port, uint16_t shownVendorId,
                               uint16_t shownProductId) {
  if (foundCount_ >= kMaxFound) return false;
  found_[foundCount_].hubName = hubName;
  found_[foundCount_].port = port;
  found_[foundCount_].vendorId = shownVendorId;
  found_[foundCount_].productId = shownProductId;
  ++foundCount_;
  return true;
}

const ReceiverLocation& TUsbDescriptors::Found(int32_t index) const {
  static const ReceiverLocation kNone;
  if (index < 0 || index >= foundCount_) return kNone;
  return found_[index];
}

bool TUsbDescriptors::Transfer(uint16_t wValue, uint16_t wIndex, uint16_t wLength,
                               uint8_t* reply, uint16_t* replyLength) {
  return TransferToLocation(platform_, chosen_, wValue, wIndex, wLength, reply, replyLength);
}

bool TransferToLocation(const usb::UsbPlatformOps& platform, const ReceiverLocation& location,
                        uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                        uint16_t* replyLength) {
  if (location.hubName.empty() || location.port <= 0) return false;
  if (reply == nullptr && wLength > 0) return false;

  ScopedHandle hub(platform, usb::HubPath(location.hubName));
  if (!hub.IsOpen()) return false;

  const auto port = static_cast<uint32_t>(location.port);
  ConnectionInfo info;
  bool extended = false;
  if (!usb::GetConnectionInfo(platform, hub.Get(), port, &info, &extended)) return false;
  if (info.connectionStatus != usb::kDeviceConnected) return false;
  // Something connected is not enough: it must still be the device that was found there.
  if (usb::DescriptorVendorId(info.descriptor) != location.vendorId ||
      usb::DescriptorProductId(info.descriptor) != location.productId) {
    return false;
  }

  std::vector<uint8_t> data;
  if (!usb::GetDescriptor(platform, hub.Get(), port, wValue, wIndex, wLength,
                          usb::kCommandTimeLimitMs, &data)) {
    return false;
  }
  std::copy(data.begin(), data.end(), reply);
  if (replyLength != nullptr) *replyLength = static_cast<uint16_t>(data.size());
  return true;
}
