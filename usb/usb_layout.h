// Raw request/reply buffers of the USB hub driver's control codes (usbioctl.h, packed structures,
// little-endian). The search logic builds and reads them here, and the simulated hub parses and fills
// the very same bytes, so both sides agree on every offset. The Windows build checks each offset
// against the real structures.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace usb {

// Control codes: CTL_CODE(FILE_DEVICE_USB = 0x22, function, METHOD_BUFFERED, FILE_ANY_ACCESS).
// The root hub name (on a host controller) and the node information (on a hub) share one code.
constexpr uint32_t kIoctlGetRootHubName = 0x220408;
constexpr uint32_t kIoctlGetNodeInformation = 0x220408;
constexpr uint32_t kIoctlGetNodeConnectionInformation = 0x22040C;
constexpr uint32_t kIoctlGetDescriptorFromNodeConnection = 0x220410;
constexpr uint32_t kIoctlGetNodeConnectionName = 0x220414;
constexpr uint32_t kIoctlGetNodeConnectionInformationEx = 0x220448;

// USB_ROOT_HUB_NAME: ULONG ActualLength, WCHAR RootHubName[1].
constexpr size_t kRootHubNameSize = 6;
constexpr size_t kRootHubNameActualLength = 0;
constexpr size_t kRootHubNameChars = 4;

// USB_NODE_INFORMATION: NodeType (4 bytes), then the hub descriptor and HubIsBusPowered.
constexpr size_t kNodeInformationSize = 76;
constexpr size_t kNodeInformationNodeType = 0;
constexpr size_t kNodeInformationDescriptorLength = 4;
constexpr size_t kNodeInformationDescriptorType = 5;
constexpr size_t kNodeInformationNumberOfPorts = 6;

// USB_NODE_CONNECTION_INFORMATION and its _EX form (same offsets; byte 23 is LowSpeed or Speed).
constexpr size_t kConnectionInfoSize = 35;          // without the pipe list
constexpr size_t kConnectionQueryBufferSize = 362;  // what each query asks for
constexpr size_t kConnectionInfoIndex = 0;
constexpr size_t kConnectionInfoDescriptor = 4;
constexpr size_t kConnectionInfoConfiguration = 22;
constexpr size_t kConnectionInfoSpeed = 23;
constexpr size_t kConnectionInfoDeviceIsHub = 24;
constexpr size_t kConnectionInfoDeviceAddress = 25;
constexpr size_t kConnectionInfoOpenPipes = 27;
constexpr size_t kConnectionInfoStatus = 31;
constexpr uint32_t kNoDeviceConnected = 0;
constexpr uint32_t kDeviceConnected = 1;

// USB_NODE_CONNECTION_NAME: ULONG ConnectionIndex, ULONG ActualLength, WCHAR NodeName[1].
constexpr size_t kNodeConnectionNameSize = 10;
constexpr size_t kNodeConnectionNameIndex = 0;
constexpr size_t kNodeConnectionNameActualLength = 4;
constexpr size_t kNodeConnectionNameChars = 8;

// USB_DESCRIPTOR_REQUEST: ULONG ConnectionIndex, the 8-byte setup packet, then the data stage.
constexpr size_t kDescriptorRequestHeader = 12;
constexpr size_t kDescriptorRequestIndex = 0;
constexpr size_t kDescriptorRequestBmRequest = 4;
constexpr size_t kDescriptorRequestBRequest = 5;
constexpr size_t kDescriptorRequestWValue = 6;
constexpr size_t kDescriptorRequestWIndex = 8;
constexpr size_t kDescriptorRequestWLength = 10;

// SP_DEVICE_INTERFACE_DETAIL_DATA_A: DWORD cbSize, then the NUL-terminated device path.
constexpr size_t kInterfaceDetailPath = 4;

// The standard device descriptor and the GET_DESCRIPTOR request that fetches it.
constexpr size_t kDeviceDescriptorSize = 18;
constexpr size_t kDescriptorVendorId = 8;
constexpr size_t kDescriptorProductId = 10;
constexpr uint8_t kRequestTypeDeviceToHost = 0x80;
constexpr uint8_t kRequestGetDescriptor = 0x06;
constexpr uint16_t kDeviceDescriptorValue = 0x0100;

// Hub names are kept as 8-bit strings of at most this many bytes.
constexpr size_t kMaxHubNameBytes = 600;

uint16_t ReadLe16(const uint8_t* bytes);
uint32_t ReadLe32(const uint8_t* bytes);
void WriteLe16(uint8_t* bytes, uint16_t value);
void WriteLe32(uint8_t* bytes, uint32_t value);

using DeviceDescriptor = std::array<uint8_t, kDeviceDescriptorSize>;
uint16_t DescriptorVendorId(const DeviceDescriptor& descriptor);
uint16_t DescriptorProductId(const DeviceDescriptor& descriptor);

struct ConnectionInfo {
  uint32_t connectionIndex = 0;
  DeviceDescriptor descriptor{};
  bool deviceIsHub = false;
  uint32_t connectionStatus = kNoDeviceConnected;
};

// The reply must hold at least kConnectionInfoSize bytes; false otherwise.
bool ParseConnectionInfo(const uint8_t* reply, size_t size, ConnectionInfo* info);
// Writes the fixed part (kConnectionInfoSize bytes); size must be at least that.
void WriteConnectionInfo(const ConnectionInfo& info, uint8_t* out, size_t size);

struct SetupPacket {
  uint8_t bmRequest = kRequestTypeDeviceToHost;
  uint8_t bRequest = kRequestGetDescriptor;
  uint16_t wValue = 0;
  uint16_t wIndex = 0;
  uint16_t wLength = 0;
};

// Zero-fills the first kDescriptorRequestHeader bytes and sets the port and setup packet.
void WriteDescriptorRequestHeader(uint32_t port, const SetupPacket& setup, uint8_t* out);
void ReadDescriptorRequestHeader(const uint8_t* in, uint32_t* port, SetupPacket* setup);

// The UTF-16LE name at bytes [offset, size) of a name reply, up to its first NUL.
std::u16string ReadWideName(const uint8_t* reply, size_t size, size_t offset);
// Writes as much of name + NUL as fits behind offset; returns the bytes the whole name needs
// (offset + 2 * (length + 1)), which is what the hub driver reports as ActualLength.
uint32_t WriteWideName(const std::u16string& name, size_t offset, uint8_t* out, size_t size);

// ASCII conversion for platforms without code pages: other characters become '?'.
std::string NarrowAscii(const std::u16string& name);
std::u16string WidenAscii(const std::string& name);

}  // namespace usb
