// USB descriptors and hub replies as the hub access parses them: the receiver search over a hostile
// hub driver (root hub and hub names, port counts, connection information, device descriptors,
// interface paths), then a command to whatever it found; then the same through the device-access
// library's exports.
#include <cstdlib>
#include <memory>

#include "hostile_hub.h"
#include "outside/hidora/core/device_access.h"
#include "outside/hidora/core/usb_backend.h"
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

  // The same answers to the device-access library's exports, as the host calls them: the path goes
  // into the caller's 256-byte buffer, a read must fill exactly its length.
  fuzz::HostileHub libraryHub(data, size);
  {
    hidora::DeviceAccess library([&] { return std::make_unique<hidora::UsbBackend>(libraryHub.Ops()); });
    char16_t path[hidora::kPathUnits];
    uint32_t tag = 0;
    if (library.GetUsbDeviceFromHub(fuzz::HostileHub::kVendorId, fuzz::HostileHub::kProductId, 0, path, &tag) > 0) {
      uint8_t record[8];
      library.Read(path, tag, 0xB600, 6, sizeof record, record);
      library.Write(path, tag, 0xBF02, 1, 1);
    }
  }
  if (!libraryHub.AllClosed()) std::abort();
  return 0;
}
