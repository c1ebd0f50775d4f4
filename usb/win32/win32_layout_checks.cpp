// Compile-time proof that the portable buffer layouts match the hub driver's and SetupAPI's own
// structures in this build (i686 deliverables and the x86_64 test mirror alike).
#include <windows.h>
#include <winioctl.h>  // CTL_CODE, which the lean windows.h leaves out
#include <setupapi.h>
#include <usbioctl.h>

#include <cstddef>

#include "usb/usb_layout.h"

namespace usb {

static_assert(kIoctlGetRootHubName == IOCTL_USB_GET_ROOT_HUB_NAME, "root hub name code");
static_assert(kIoctlGetNodeInformation == IOCTL_USB_GET_NODE_INFORMATION, "node info code");
static_assert(kIoctlGetNodeConnectionInformation == IOCTL_USB_GET_NODE_CONNECTION_INFORMATION,
              "connection info code");
static_assert(kIoctlGetNodeConnectionInformationEx ==
                  IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX,
              "extended connection info code");
static_assert(kIoctlGetDescriptorFromNodeConnection ==
                  IOCTL_USB_GET_DESCRIPTOR_FROM_NODE_CONNECTION,
              "descriptor request code");
static_assert(kIoctlGetNodeConnectionName == IOCTL_USB_GET_NODE_CONNECTION_NAME,
              "connection name code");

static_assert(sizeof(USB_ROOT_HUB_NAME) == kRootHubNameSize, "USB_ROOT_HUB_NAME size");
static_assert(offsetof(USB_ROOT_HUB_NAME, ActualLength) == kRootHubNameActualLength, "");
static_assert(offsetof(USB_ROOT_HUB_NAME, RootHubName) == kRootHubNameChars, "");

static_assert(sizeof(USB_NODE_INFORMATION) == kNodeInformationSize, "USB_NODE_INFORMATION size");
static_assert(offsetof(USB_NODE_INFORMATION, NodeType) == kNodeInformationNodeType, "");
static_assert(offsetof(USB_NODE_INFORMATION, u.HubInformation.HubDescriptor.bDescriptorLength) ==
                  kNodeInformationDescriptorLength, "");
static_assert(offsetof(USB_NODE_INFORMATION, u.HubInformation.HubDescriptor.bDescriptorType) ==
                  kNodeInformationDescriptorType, "");
static_assert(offsetof(USB_NODE_INFORMATION, u.HubInformation.HubDescriptor.bNumberOfPorts) ==
                  kNodeInformationNumberOfPorts, "");

template <typename Info>
constexpr bool ConnectionLayoutMatches() {
  return sizeof(Info) == kConnectionInfoSize &&
         offsetof(Info, ConnectionIndex) == kConnectionInfoIndex &&
         offsetof(Info, DeviceDescriptor) == kConnectionInfoDescriptor &&
         offsetof(Info, DeviceDescriptor.idVendor) ==
             kConnectionInfoDescriptor + kDescriptorVendorId &&
         offsetof(Info, DeviceDescriptor.idProduct) ==
             kConnectionInfoDescriptor + kDescriptorProductId &&
         sizeof(USB_DEVICE_DESCRIPTOR) == kDeviceDescriptorSize &&
         offsetof(Info, CurrentConfigurationValue) == kConnectionInfoConfiguration &&
         offsetof(Info, DeviceIsHub) == kConnectionInfoDeviceIsHub &&
         offsetof(Info, DeviceAddress) == kConnectionInfoDeviceAddress &&
         offsetof(Info, NumberOfOpenPipes) == kConnectionInfoOpenPipes &&
         offsetof(Info, ConnectionStatus) == kConnectionInfoStatus;
}
static_assert(ConnectionLayoutMatches<USB_NODE_CONNECTION_INFORMATION>(),
              "USB_NODE_CONNECTION_INFORMATION layout");
static_assert(ConnectionLayoutMatches<USB_NODE_CONNECTION_INFORMATION_EX>(),
              "USB_NODE_CONNECTION_INFORMATION_EX layout");
static_assert(offsetof(USB_NODE_CONNECTION_INFORMATION, LowSpeed) == kConnectionInfoSpeed, "");
static_assert(offsetof(USB_NODE_CONNECTION_INFORMATION_EX, Speed) == kConnectionInfoSpeed, "");
static_assert(DeviceConnected == kDeviceConnected && NoDeviceConnected == kNoDeviceConnected, "");

static_assert(sizeof(USB_NODE_CONNECTION_NAME) == kNodeConnectionNameSize,
              "USB_NODE_CONNECTION_NAME size");
static_assert(offsetof(USB_NODE_CONNECTION_NAME, ConnectionIndex) == kNodeConnectionNameIndex, "");
static_assert(offsetof(USB_NODE_CONNECTION_NAME, ActualLength) ==
                  kNodeConnectionNameActualLength, "");
static_assert(offsetof(USB_NODE_CONNECTION_NAME, NodeName) == kNodeConnectionNameChars, "");

static_assert(sizeof(USB_DESCRIPTOR_REQUEST) == kDescriptorRequestHeader,
              "USB_DESCRIPTOR_REQUEST header size");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, ConnectionIndex) == kDescriptorRequestIndex, "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, SetupPacket.bmRequest) ==
                  kDescriptorRequestBmRequest, "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, SetupPacket.bRequest) ==
                  kDescriptorRequestBRequest, "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, SetupPacket.wValue) == kDescriptorRequestWValue,
              "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, SetupPacket.wIndex) == kDescriptorRequestWIndex,
              "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, SetupPacket.wLength) ==
                  kDescriptorRequestWLength, "");
static_assert(offsetof(USB_DESCRIPTOR_REQUEST, Data) == kDescriptorRequestHeader, "");

static_assert(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) == kInterfaceDetailPath,
              "device path offset");
#if defined(_WIN64)
static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == 32, "64-bit SP_DEVICE_INTERFACE_DATA");
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 8, "64-bit detail cbSize");
#else
// The deliverables' values: cbSize 28 for the interface data, 5 for the detail.
static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == 28, "32-bit SP_DEVICE_INTERFACE_DATA");
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 5, "32-bit detail cbSize");
#endif

}  // namespace usb
