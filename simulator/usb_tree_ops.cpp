// The simulated tree behind the platform operations table: handles, enumeration sets, dispatch of
// the control codes to the hub driver answers.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>

#include "usb/usb_layout.h"
#include "simulator/usb_tree.h"

namespace sim {
namespace {

// GUID_DEVINTERFACE_USB_HOST_CONTROLLER as it lies in memory.
constexpr uint8_t kHostControllerGuid[16] = {0x2D, 0x6F, 0xBF, 0x3A, 0xC4, 0x71, 0x2A, 0x46,
                                             0x8A, 0x92, 0x1E, 0x68, 0x61, 0xE6, 0xAF, 0x27};
// Where an enumerated SP_DEVICE_INTERFACE_DATA keeps its class GUID and our entry index.
constexpr size_t kInterfaceDataGuid = 4;
constexpr size_t kInterfaceDataIndex = 24;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

// ---- handles ----

usb::PlatformHandle UsbTree::Open(const std::string& path) {
  const std::string wanted = Lower(path);
  Opened opened;
  const std::string hcdPrefix = "\\\\.\\hcd";
  for (const auto& controller : controllers_) {
    const bool byNumber = controller->access != ControllerAccess::kInterfaceOnly &&
                          wanted == hcdPrefix + std::to_string(controller->number);
    const bool byInterface = controller->access != ControllerAccess::kNumberOnly &&
                             wanted == Lower(InterfacePath(controller->number));
    if (byNumber || byInterface) opened.controller = controller.get();
  }
  if (opened.controller == nullptr && wanted.compare(0, 4, "\\\\.\\") == 0) {
    const std::string hubName = wanted.substr(4);
    std::vector<const Hub*> pending;
    for (const auto& controller : controllers_) pending.push_back(controller->root.get());
    while (!pending.empty() && opened.hub == nullptr) {
      const Hub* hub = pending.back();
      pending.pop_back();
      if (hub->opens && Lower(hub->name) == hubName) opened.hub = hub;
      for (const Port& port : hub->ports) {
        if (port.hub) pending.push_back(port.hub.get());
      }
    }
  }
  if (opened.controller == nullptr && opened.hub == nullptr) return usb::kInvalidHandle;
  const usb::PlatformHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = opened;
  return handle;
}

void UsbTree::Close(usb::PlatformHandle handle) {
  if (handles_.erase(handle) == 0) ++misuses_;
}

bool UsbTree::IoControl(usb::PlatformHandle handle, uint32_t code, const uint8_t* in,
                        uint32_t inSize, uint8_t* out, uint32_t outSize,
                        uint32_t* bytesReturned, uint32_t timeLimitMs) {
  const auto found = handles_.find(handle);
  if (found == handles_.end()) {
    ++misuses_;
    return false;
  }
  ++ioctlCounts_[code];
  if (bytesReturned != nullptr) *bytesReturned = 0;
  uint32_t ignored = 0;
  if (bytesReturned == nullptr) bytesReturned = &ignored;
  if (out == nullptr) outSize = 0;
  // Buffered I/O: the input is read in full before anything is written to the (shared) output.
  const std::vector<uint8_t> request(in, in == nullptr ? in : in + inSize);

  if (found->second.controller != nullptr) {
    if (code != usb::kIoctlGetRootHubName) return false;
    return RootHubName(*found->second.controller, out, outSize, bytesReturned);
  }
  const Hub* hub = found->second.hub;
  if (hub == nullptr) return false;  // unplugged while open
  switch (code) {
    case usb::kIoctlGetNodeInformation:
      return NodeInformation(*hub, out, outSize, bytesReturned);
    case usb::kIoctlGetNodeConnectionInformation:
      return ConnectionInformation(*hub, false, request, out, outSize, bytesReturned);
    case usb::kIoctlGetNodeConnectionInformationEx:
      return ConnectionInformation(*hub, true, request, out, outSize, bytesReturned);
    case usb::kIoctlGetNodeConnectionName:
      return ConnectionName(*hub, request, out, outSize, bytesReturned);
    case usb::kIoctlGetDescriptorFromNodeConnection: {
      const Port* port = PortOf(*hub, request);
      if (port != nullptr && port->options.neverAnswers) {
        waitedMs_ += timeLimitMs;
        return false;
      }
      return DescriptorRequest(*hub, request, out, outSize, bytesReturned);
    }
    default:
      return false;
  }
}

// ---- device-interface enumeration ----

usb::InterfaceSet UsbTree::CreateSet() {
  std::vector<const Controller*> present;
  for (const auto& controller : controllers_) {
    if (controller->access != ControllerAccess::kNumberOnly) present.push_back(controller.get());
  }
  const usb::InterfaceSet set = nextSet_++;
  sets_[set] = present;
  return set;
}

bool UsbTree::EnumInterface(usb::InterfaceSet set, uint32_t index,
                            usb::DeviceInterfaceData* data) {
  const auto found = sets_.find(set);
  if (found == sets_.end() || data == nullptr ||
      usb::ReadLe32(data->raw) != ops_.interfaceDataSize) {
    ++misuses_;
    return false;
  }
  if (index >= found->second.size()) return false;
  std::memcpy(data->raw + kInterfaceDataGuid, kHostControllerGuid, sizeof kHostControllerGuid);
  usb::WriteLe32(data->raw + kInterfaceDataIndex, index);
  return true;
}

bool UsbTree::InterfaceDetail(usb::InterfaceSet set, usb::DeviceInterfaceData* data,
                              uint8_t* detail, uint32_t detailSize, uint32_t* requiredSize) {
  const auto found = sets_.find(set);
  if (found == sets_.end() || data == nullptr ||
      usb::ReadLe32(data->raw) != ops_.interfaceDataSize) {
    ++misuses_;
    return false;
  }
  const uint32_t index = usb::ReadLe32(data->raw + kInterfaceDataIndex);
  if (index >= found->second.size()) {
    ++misuses_;
    return false;
  }
  const std::string path = InterfacePath(found->second[index]->number);
  const auto needed = static_cast<uint32_t>(usb::kInterfaceDetailPath + path.size() + 1);
  if (requiredSize != nullptr) *requiredSize = needed;
  if (detail == nullptr) return false;  // the size query
  if (detailSize < usb::kInterfaceDetailPath ||
      usb::ReadLe32(detail) != ops_.interfaceDetailSize) {
    ++misuses_;
    return false;
  }
  if (detailSize < needed) return false;
  std::memcpy(detail + usb::kInterfaceDetailPath, path.c_str(), path.size() + 1);
  return true;
}

void UsbTree::DestroySet(usb::InterfaceSet set) {
  if (sets_.erase(set) == 0) ++misuses_;
}

// ---- the operations table ----

UsbTree* UsbTree::Allocating(void* context) {
  auto* tree = static_cast<UsbTree*>(context);
  if (tree->outOfMemory_) throw std::bad_alloc();
  return tree;
}

void UsbTree::InstallOps(usb::UsbPlatformOps* ops, UsbTree* tree) {
  ops->context = tree;
  ops->interfaceDataSize = 28;  // the 32-bit Windows sizes the deliverables see
  ops->interfaceDetailSize = 5;
  ops->openPath = [](void* self, const char* path) {
    return Allocating(self)->Open(path == nullptr ? "" : path);
  };
  ops->closeHandle = [](void* self, usb::PlatformHandle handle) {
    static_cast<UsbTree*>(self)->Close(handle);
  };
  ops->deviceIoControl = [](void* self, usb::PlatformHandle handle, uint32_t code, const void* in,
                            uint32_t inSize, void* out, uint32_t outSize, uint32_t* bytes,
                            uint32_t timeLimitMs) {
    return Allocating(self)->IoControl(handle, code, static_cast<const uint8_t*>(in), inSize,
                                       static_cast<uint8_t*>(out), outSize, bytes, timeLimitMs);
  };
  ops->getHostControllerSet = [](void* self) { return Allocating(self)->CreateSet(); };
  ops->enumDeviceInterfaces = [](void* self, usb::InterfaceSet set, uint32_t index,
                                 usb::DeviceInterfaceData* data) {
    return Allocating(self)->EnumInterface(set, index, data);
  };
  ops->getInterfaceDetail = [](void* self, usb::InterfaceSet set, usb::DeviceInterfaceData* data,
                               void* detail, uint32_t detailSize, uint32_t* requiredSize) {
    return Allocating(self)->InterfaceDetail(set, data, static_cast<uint8_t*>(detail), detailSize,
                                             requiredSize);
  };
  ops->destroyInterfaceSet = [](void* self, usb::InterfaceSet set) {
    static_cast<UsbTree*>(self)->DestroySet(set);
  };
  ops->narrowName = [](void* self, const std::u16string& name, std::string* out) {
    Allocating(self);
    *out = usb::NarrowAscii(name);
    return true;
  };
}

}  // namespace sim
