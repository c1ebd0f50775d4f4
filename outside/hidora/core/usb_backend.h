// Receivers on the real USB tree, reached through the hub driver: the search of TUsbDescriptors,
// and each command as a descriptor request to the receiver's hub port. Path = the hub's name, tag =
// the port number.
#pragma once
#include <vector>

#include "outside/hidora/core/backend.h"
#include "usb/usb_descriptors.h"
#include "usb/usb_platform.h"

namespace hidora {

class UsbBackend : public Backend {
 public:
  // platform must outlive the backend.
  explicit UsbBackend(const usb::UsbPlatformOps& platform);

  // A fresh search each time: receivers come and go between calls.
  int32_t Find(uint16_t vendorId, uint16_t productId, int32_t index, std::u16string* path,
               uint32_t* tag) override;
  // Only to a place a search of this backend handed out: opens the hub, checks that the device
  // connected at the port still shows the IDs it was found with, sends the request.
  bool Transfer(const std::u16string& path, uint16_t tag, uint16_t wValue, uint16_t wIndex,
                uint16_t wLength, uint8_t* reply, uint16_t* replyLength) override;

 private:
  void Remember(const ReceiverLocation& location);

  const usb::UsbPlatformOps& platform_;
  // Every place a search has handed out, with the IDs last found there.
  std::vector<ReceiverLocation> handedOut_;
};

// Hub names are 8-bit strings; each byte travels as one UTF-16 unit so the name comes back intact.
std::u16string HubNameToPath(const std::string& hubName);
// False for a path that no hub name gives (empty, or a unit above 0xFF).
bool PathToHubName(const std::u16string& path, std::string* hubName);

}  // namespace hidora
