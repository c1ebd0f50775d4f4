// One small function per hub driver query, each over the platform operations table. Every buffer is
// owned by the function that asks; handles and enumeration sets are closed by their scoped owners.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "usb/usb_layout.h"
#include "usb/usb_platform.h"

namespace usb {

// Time limits of one request. The hub driver answers its own queries from what it knows, and the
// USB rules give a device 500 ms to start answering a standard request such as GET_DESCRIPTOR.
constexpr uint32_t kDescriptorTimeLimitMs = 500;
// A receiver command may answer only once the flash operation it asked for is done (a page erase).
constexpr uint32_t kCommandTimeLimitMs = 1000;

// Opens a path for the lifetime of the object and closes it on every way out.
class ScopedHandle {
 public:
  ScopedHandle(const UsbPlatformOps& ops, const std::string& path);
  ~ScopedHandle();
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  bool IsOpen() const { return handle_ != kInvalidHandle; }
  PlatformHandle Get() const { return handle_; }

 private:
  const UsbPlatformOps& ops_;
  PlatformHandle handle_;
};

// The present host-controller interfaces, released on every way out.
class ScopedInterfaceSet {
 public:
  explicit ScopedInterfaceSet(const UsbPlatformOps& ops);
  ~ScopedInterfaceSet();
  ScopedInterfaceSet(const ScopedInterfaceSet&) = delete;
  ScopedInterfaceSet& operator=(const ScopedInterfaceSet&) = delete;

  bool IsOpen() const { return set_ != kInvalidSet; }
  InterfaceSet Get() const { return set_; }

 private:
  const UsbPlatformOps& ops_;
  InterfaceSet set_;
};

// "\\.\" followed by a hub name: the path the hub driver's hub objects open under.
std::string HubPath(const std::string& hubName);

// Zero-filled buffer of size bytes; false (and nothing thrown) when memory runs out.
bool AllocateZeroed(std::vector<uint8_t>* buffer, size_t size);

// IOCTL_USB_GET_ROOT_HUB_NAME: ActualLength from a 6-byte reply, then the whole name.
bool GetRootHubName(const UsbPlatformOps& ops, PlatformHandle controller, std::string* name);

// IOCTL_USB_GET_NODE_INFORMATION: bNumberOfPorts of the hub descriptor.
bool GetPortCount(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t* ports);

// IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX, else the older query. *extended tells which answered.
bool GetConnectionInfo(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                       ConnectionInfo* info, bool* extended);

// IOCTL_USB_GET_NODE_CONNECTION_NAME: the name of the hub attached at port.
bool GetConnectionName(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                       std::string* name);

// IOCTL_USB_GET_DESCRIPTOR_FROM_NODE_CONNECTION with a control-IN GET_DESCRIPTOR setup packet,
// failing when the device has not answered within timeLimitMs. On success data holds the reply (at
// most setup.wLength bytes).
bool GetDescriptor(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                   uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint32_t timeLimitMs,
                   std::vector<uint8_t>* data);

// The device descriptor of the device at port; counts only as a complete 18-byte answer whose
// bLength is at least 18.
bool GetDeviceDescriptor(const UsbPlatformOps& ops, PlatformHandle hub, uint32_t port,
                         DeviceDescriptor* descriptor);

// The device path of host-controller interface number index of set. *more turns false once the
// enumeration is past its end; a true *more with a false result means this entry has no usable path.
bool GetInterfacePath(const UsbPlatformOps& ops, InterfaceSet set, uint32_t index,
                      std::string* path, bool* more);

}  // namespace usb
