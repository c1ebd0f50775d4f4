// A simulated USB tree behind the platform operations of the hub search: host controllers, root
// hubs, external hubs and devices (SimUsbDevice) at their ports. It answers the hub driver's control
// codes by parsing and filling the raw buffers exactly as the hub driver does, including its buffer
// size rules, and counts open handles and enumeration sets so that tests can prove none is left.
//
// Places in the tree are paths: "<c>" is the root hub of controller c, "<c>/<p>" port p of that root
// hub, "<c>/<p>/<q>" port q of the external hub plugged into "<c>/<p>", and so on.
//
// Text description (one statement per line; fields separated by blanks; '#' starts a comment):
//
//   controller <n> [ports=<count>] [access=both|number|interface]
//       A host controller and its root hub (default 4 ports). It opens as "\\.\HCD<n>" (access
//       number), through its device-interface path (access interface), or both (the default).
//   hub <path> [ports=<count>] [noex] [noinfo] [noopen]
//       An external hub (default 4 ports) at a free port.
//   device <path> <kind> [noex] [noinfo] [noanswer] [shows=<vid>:<pid>]
//          [descriptor=ok|fail|short|badlength]
//       A device at a free port. <kind> is either "<vid>:<pid>" (four hex digits each: a plain
//       device with these IDs) or a name that the caller's resolver turns into a device.
//
// Port options: noex - the extended connection query fails, so the older one answers; noinfo - both
// connection queries fail; noopen - the hub's own path does not open; shows - the connection
// information shows these IDs instead of the device's own; descriptor - the device descriptor
// request fails, answers 8 bytes only, or answers with bLength 9; noanswer - the device never
// answers a request on its control pipe (descriptor requests and receiver commands): each such
// request takes up its whole time limit and fails, as the real hub access ends it.
// Every parent (controller, hub) must be described before what is plugged into it.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "usb/usb_platform.h"
#include "simulator/sim_usb_device.h"

namespace sim {

enum class ControllerAccess { kBoth, kNumberOnly, kInterfaceOnly };

enum class DescriptorFault { kNone, kFail, kShort, kBadLength };

struct PortOptions {
  bool extendedQueryFails = false;
  bool connectionQueriesFail = false;
  bool hubOpenFails = false;
  bool showsOtherIds = false;
  uint16_t shownVendorId = 0;
  uint16_t shownProductId = 0;
  DescriptorFault descriptorFault = DescriptorFault::kNone;
  bool neverAnswers = false;
};

// Turns a device name of the text description into a device the caller owns; nullptr if unknown.
using DeviceResolver = std::function<SimUsbDevice*(const std::string& name)>;

class UsbTree {
 public:
  UsbTree();
  ~UsbTree();
  UsbTree(const UsbTree&) = delete;
  UsbTree& operator=(const UsbTree&) = delete;

  // Building. Each returns false with a message in *error (may be null) when the place is taken,
  // its parent is missing or a count is out of range (1 to 255 ports).
  bool AddController(int number, int rootPorts, ControllerAccess access, std::string* error);
  bool AddHub(const std::string& path, int ports, const PortOptions& options, std::string* error);
  // The device stays the caller's and must outlive the tree's use.
  bool AddDevice(const std::string& path, SimUsbDevice* device, const PortOptions& options,
                 std::string* error);
  // A plain device with these IDs, owned by the tree.
  bool AddPlainDevice(const std::string& path, uint16_t vendorId, uint16_t productId,
                      const PortOptions& options, std::string* error);
  // Empties a port (device or hub with everything below it). False when nothing was there.
  bool Unplug(const std::string& path);
  // The device at path stops (or starts again) answering requests on its control pipe. False when
  // no device is there.
  bool SetNeverAnswers(const std::string& path, bool neverAnswers);

  // Adds what a text description says. On failure *error names the line and the problem; what the
  // lines before it added stays in the tree.
  bool Load(const std::string& text, const DeviceResolver& resolve, std::string* error);

  // The operations table answering from this tree.
  const usb::UsbPlatformOps& Ops() const { return ops_; }

  // The name the hub driver reports for the hub at path ("" if there is none).
  std::string HubName(const std::string& path) const;
  // The device-interface path of controller number n ("" if there is none).
  std::string InterfacePath(int number) const;

  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  int OpenSets() const { return static_cast<int>(sets_.size()); }
  // Calls with handles or sets that are not open, and structures with a wrong cbSize.
  int Misuses() const { return misuses_; }
  // How many times a control code was issued (successful or not).
  int IoctlCount(uint32_t code) const;
  // The time callers spent on requests that were never answered: the sum of their time limits,
  // counted rather than slept.
  uint64_t WaitedMs() const { return waitedMs_; }
  // While on, every operation of the table that opens, asks or converts throws std::bad_alloc, as a
  // platform layer whose allocation fails does; closing and releasing still work.
  void SetOutOfMemory(bool outOfMemory) { outOfMemory_ = outOfMemory; }

 private:
  struct Hub;
  struct Port {
    std::unique_ptr<Hub> hub;
    SimUsbDevice* device = nullptr;
    std::unique_ptr<SimUsbDevice> ownedDevice;
    PortOptions options;
    bool Empty() const { return hub == nullptr && device == nullptr; }
  };
  struct Hub {
    std::string name;
    bool opens = true;
    std::vector<Port> ports;
  };
  struct Controller {
    int number = 0;
    ControllerAccess access = ControllerAccess::kBoth;
    std::unique_ptr<Hub> root;
  };
  struct Opened {
    const Controller* controller = nullptr;  // set for a host controller handle
    const Hub* hub = nullptr;                // set for a hub handle
  };

  // Building helpers.
  Hub* FindHub(const std::string& path) const;
  Port* FreePort(const std::string& path, std::string* error);
  Port* FindPort(const std::string& path) const;
  Controller* FindController(int number) const;

  // Platform operations.
  usb::PlatformHandle Open(const std::string& path);
  void Close(usb::PlatformHandle handle);
  bool IoControl(usb::PlatformHandle handle, uint32_t code, const uint8_t* in, uint32_t inSize,
                 uint8_t* out, uint32_t outSize, uint32_t* bytesReturned, uint32_t timeLimitMs);
  usb::InterfaceSet CreateSet();
  bool EnumInterface(usb::InterfaceSet set, uint32_t index, usb::DeviceInterfaceData* data);
  bool InterfaceDetail(usb::InterfaceSet set, usb::DeviceInterfaceData* data, uint8_t* detail,
                       uint32_t detailSize, uint32_t* requiredSize);
  void DestroySet(usb::InterfaceSet set);

  // Hub driver answers (usb_tree_hub.cpp); request is a copy of the input buffer.
  bool RootHubName(const Controller& controller, uint8_t* out, uint32_t outSize,
                   uint32_t* bytesReturned) const;
  bool NodeInformation(const Hub& hub, uint8_t* out, uint32_t outSize,
                       uint32_t* bytesReturned) const;
  bool ConnectionInformation(const Hub& hub, bool extended, const std::vector<uint8_t>& request,
                             uint8_t* out, uint32_t outSize, uint32_t* bytesReturned) const;
  bool ConnectionName(const Hub& hub, const std::vector<uint8_t>& request, uint8_t* out,
                      uint32_t outSize, uint32_t* bytesReturned) const;
  bool DescriptorRequest(const Hub& hub, const std::vector<uint8_t>& request, uint8_t* out,
                         uint32_t outSize, uint32_t* bytesReturned) const;
  const Port* PortOf(const Hub& hub, const std::vector<uint8_t>& request) const;

  static void InstallOps(usb::UsbPlatformOps* ops, UsbTree* tree);
  // The tree behind an operation's context, after the allocation failure a test may have injected.
  static UsbTree* Allocating(void* context);

  usb::UsbPlatformOps ops_{};
  std::vector<std::unique_ptr<Controller>> controllers_;
  std::map<usb::PlatformHandle, Opened> handles_;
  std::map<usb::InterfaceSet, std::vector<const Controller*>> sets_;
  std::map<uint32_t, int> ioctlCounts_;
  usb::PlatformHandle nextHandle_ = 0x40;
  usb::InterfaceSet nextSet_ = 0x7000;
  int misuses_ = 0;
  uint64_t waitedMs_ = 0;
  bool outOfMemory_ = false;
};

}  // namespace sim
