#include "simulator/usb_tree.h"

#include <algorithm>

#include "simulator/usb_plain_device.h"

namespace sim {
namespace {

constexpr int kMaxPorts = 255;  // bNumberOfPorts is one byte
constexpr char kHubInterfaceClass[] = "{f18a0e88-c30c-11d0-8815-00a0c906bed8}";
constexpr char kHostControllerClass[] = "{3abf6f2d-71c4-462a-8a92-1e6861e6af27}";

// "c/p/q" -> {c, p, q}; false unless every component is a decimal number.
bool SplitPath(const std::string& path, std::vector<int>* parts) {
  parts->clear();
  size_t start = 0;
  while (true) {
    const size_t slash = path.find('/', start);
    const std::string part = path.substr(start, slash == std::string::npos ? slash : slash - start);
    if (part.empty() || part.size() > 6 ||
        !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return false;
    }
    parts->push_back(std::stoi(part));
    if (slash == std::string::npos) return true;
    start = slash + 1;
  }
}

void SetError(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
}

std::string RootHubNameOf(int controller) {
  return "USB#ROOT_HUB20#4&" + std::to_string(controller) + "&0#" + kHubInterfaceClass;
}

std::string ExternalHubName(const std::string& path) {
  std::string place = path;
  std::replace(place.begin(), place.end(), '/', '.');
  return "USB#VID_1A40&PID_0101#5&" + place + "&0#" + kHubInterfaceClass;
}

}  // namespace

UsbTree::UsbTree() { InstallOps(&ops_, this); }
UsbTree::~UsbTree() = default;

UsbTree::Controller* UsbTree::FindController(int number) const {
  for (const auto& controller : controllers_) {
    if (controller->number == number) return controller.get();
  }
  return nullptr;
}

UsbTree::Hub* UsbTree::FindHub(const std::string& path) const {
  std::vector<int> parts;
  if (!SplitPath(path, &parts)) return nullptr;
  const Controller* controller = FindController(parts[0]);
  if (controller == nullptr) return nullptr;
  Hub* hub = controller->root.get();
  for (size_t i = 1; i < parts.size(); ++i) {
    const int port = parts[i];
    if (port < 1 || port > static_cast<int>(hub->ports.size())) return nullptr;
    hub = hub->ports[port - 1].hub.get();
    if (hub == nullptr) return nullptr;
  }
  return hub;
}

UsbTree::Port* UsbTree::FreePort(const std::string& path, std::string* error) {
  std::vector<int> parts;
  if (!SplitPath(path, &parts) || parts.size() < 2) {
    SetError(error, "'" + path + "' is not a port path (expected <controller>/<port>[/<port>...])");
    return nullptr;
  }
  const std::string parentPath = path.substr(0, path.rfind('/'));
  Hub* parent = FindHub(parentPath);
  if (parent == nullptr) {
    SetError(error, "there is no hub at " + parentPath);
    return nullptr;
  }
  const int port = parts.back();
  if (port < 1 || port > static_cast<int>(parent->ports.size())) {
    SetError(error, "port " + path + " does not exist (the hub at " + parentPath + " has " +
                        std::to_string(parent->ports.size()) + " ports)");
    return nullptr;
  }
  Port* free = &parent->ports[port - 1];
  if (!free->Empty()) {
    SetError(error, "port " + path + " is already in use");
    return nullptr;
  }
  return free;
}

bool UsbTree::AddController(int number, int rootPorts, ControllerAccess access,
                            std::string* error) {
  if (number < 0) {
    SetError(error, "controller number " + std::to_string(number) + " is negative");
    return false;
  }
  if (FindController(number) != nullptr) {
    SetError(error, "controller " + std::to_string(number) + " already exists");
    return false;
  }
  if (rootPorts < 1 || rootPorts > kMaxPorts) {
    SetError(error, "a hub has 1 to 255 ports, not " + std::to_string(rootPorts));
    return false;
  }
  auto controller = std::make_unique<Controller>();
  controller->number = number;
  controller->access = access;
  controller->root = std::make_unique<Hub>();
  controller->root->name = RootHubNameOf(number);
  controller->root->ports.resize(static_cast<size_t>(rootPorts));
  controllers_.push_back(std::move(controller));
  return true;
}

bool UsbTree::AddHub(const std::string& path, int ports, const PortOptions& options,
                     std::string* error) {
  if (ports < 1 || ports > kMaxPorts) {
    SetError(error, "a hub has 1 to 255 ports, not " + std::to_string(ports));
    return false;
  }
  Port* port = FreePort(path, error);
  if (port == nullptr) return false;
  port->hub = std::make_unique<Hub>();
  port->hub->name = ExternalHubName(path);
  port->hub->opens = !options.hubOpenFails;
  port->hub->ports.resize(static_cast<size_t>(ports));
  port->options = options;
  return true;
}

bool UsbTree::AddDevice(const std::string& path, SimUsbDevice* device, const PortOptions& options,
                        std::string* error) {
  if (device == nullptr) {
    SetError(error, "no device given for " + path);
    return false;
  }
  Port* port = FreePort(path, error);
  if (port == nullptr) return false;
  port->device = device;
  port->options = options;
  return true;
}

bool UsbTree::AddPlainDevice(const std::string& path, uint16_t vendorId, uint16_t productId,
                             const PortOptions& options, std::string* error) {
  Port* port = FreePort(path, error);
  if (port == nullptr) return false;
  port->ownedDevice = std::make_unique<PlainUsbDevice>(vendorId, productId);
  port->device = port->ownedDevice.get();
  port->options = options;
  return true;
}

UsbTree::Port* UsbTree::FindPort(const std::string& path) const {
  std::vector<int> parts;
  if (!SplitPath(path, &parts) || parts.size() < 2) return nullptr;
  Hub* parent = FindHub(path.substr(0, path.rfind('/')));
  const int index = parts.back();
  if (parent == nullptr || index < 1 || index > static_cast<int>(parent->ports.size())) {
    return nullptr;
  }
  return &parent->ports[index - 1];
}

bool UsbTree::SetNeverAnswers(const std::string& path, bool neverAnswers) {
  Port* port = FindPort(path);
  if (port == nullptr || port->device == nullptr) return false;
  port->options.neverAnswers = neverAnswers;
  return true;
}

bool UsbTree::Unplug(const std::string& path) {
  Port* found = FindPort(path);
  if (found == nullptr || found->Empty()) return false;
  Port& port = *found;
  // Handles still open on the hubs below stay open but reach nothing any more.
  std::vector<const Hub*> gone;
  if (port.hub) gone.push_back(port.hub.get());
  for (size_t i = 0; i < gone.size(); ++i) {
    for (const Port& below : gone[i]->ports) {
      if (below.hub) gone.push_back(below.hub.get());
    }
  }
  for (auto& entry : handles_) {
    if (std::find(gone.begin(), gone.end(), entry.second.hub) != gone.end()) {
      entry.second.hub = nullptr;
    }
  }
  port = Port();
  return true;
}

std::string UsbTree::HubName(const std::string& path) const {
  const Hub* hub = FindHub(path);
  return hub == nullptr ? std::string() : hub->name;
}

std::string UsbTree::InterfacePath(int number) const {
  if (FindController(number) == nullptr) return std::string();
  return "\\\\?\\pci#ven_8086&dev_a12f&subsys_00000000&rev_31#3&11583659&" +
         std::to_string(number) + "&a0#" + kHostControllerClass;
}

int UsbTree::IoctlCount(uint32_t code) const {
  const auto found = ioctlCounts_.find(code);
  return found == ioctlCounts_.end() ? 0 : found->second;
}

}  // namespace sim
