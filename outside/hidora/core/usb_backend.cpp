#include "outside/hidora/core/usb_backend.h"

#include <algorithm>

namespace hidora {
namespace {

// A hub has at most 255 downstream ports, numbered from 1.
constexpr uint16_t kMaxPort = 255;

}  // namespace

std::u16string HubNameToPath(const std::string& hubName) {
  std::u16string path;
  path.reserve(hubName.size());
  for (const char c : hubName) path.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return path;
}

bool PathToHubName(const std::u16string& path, std::string* hubName) {
  if (path.empty()) return false;
  std::string name;
  name.reserve(path.size());
  for (const char16_t unit : path) {
    if (unit > 0xFF) return false;
    name.push_back(static_cast<char>(unit));
  }
  *hubName = name;
  return true;
}

UsbBackend::UsbBackend(const usb::UsbPlatformOps& platform) : platform_(platform) {}

int32_t UsbBackend::Find(uint16_t vendorId, uint16_t productId, int32_t index,
                         std::u16string* path, uint32_t* tag) {
  TUsbDescriptors search(platform_);
  search.FindReceiver(vendorId, productId);
  const int32_t count = search.FoundCount();
  for (int32_t i = 0; i < count; ++i) Remember(search.Found(i));
  if (index >= 0 && index < count) {
    const ReceiverLocation& location = search.Found(index);
    *path = HubNameToPath(location.hubName);
    *tag = static_cast<uint32_t>(location.port);
  }
  return count;
}

bool UsbBackend::Transfer(const std::u16string& path, uint16_t tag, uint16_t wValue,
                          uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                          uint16_t* replyLength) {
  std::string hubName;
  if (!PathToHubName(path, &hubName) || tag == 0 || tag > kMaxPort) return false;
  if (reply == nullptr || replyLength == nullptr) return false;
  const auto place = std::find_if(handedOut_.begin(), handedOut_.end(),
                                  [&](const ReceiverLocation& entry) {
                                    return entry.port == tag && entry.hubName == hubName;
                                  });
  if (place == handedOut_.end()) return false;
  return TransferToLocation(platform_, *place, wValue, wIndex, wLength, reply, replyLength);
}

void UsbBackend::Remember(const ReceiverLocation& location) {
  for (ReceiverLocation& entry : handedOut_) {
    if (entry.port == location.port && entry.hubName == location.hubName) {
      entry = location;
      return;
    }
  }
  handedOut_.push_back(location);
}

}  // namespace hidora
