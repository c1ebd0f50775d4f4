// USB descriptors and hub replies as the hub access parses them: the receiver search over a hostile
// hub driver (root hub and hub names, port counts, connection information, device descriptors,
// interface paths), then a command to whatever it found.
#include <cstdlib>

#include "hostile_hub.h"
#include "usb/usb_descriptors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::HostileHub hub(data, size);
  {
    TUsbDescriptors search(hub.Ops());
    if (search.FindReceiver(fuzz::HostileHub::kVendorId, fuzz::HostileHub::kProductId)) {
      uint8_t reply[16];
      uint16_t replyLength = 0;
      if (search.Transfer(0xB501, 0x2700, 8, reply, &replyLength) && replyLength > 8) std::abort();
    }
    if (search.FoundCount() > TUsbDescriptors::kMaxFound) std::abort();
  }
  if (!hub.AllClosed()) std::abort();
  return 0;
}
