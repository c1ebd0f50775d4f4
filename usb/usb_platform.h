// The platform operations the hub search and the transfer need, one entry per Windows call they are
// modelled on. The real backend (usb/win32) forwards each entry to that call; the simulated
// USB tree (simulator/usb_tree.h) answers them itself. The search logic never sees which one it has.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace usb {

// A handle from openPath; kInvalidHandle stands for INVALID_HANDLE_VALUE.
using PlatformHandle = std::intptr_t;
constexpr PlatformHandle kInvalidHandle = -1;

// An enumeration set from getHostControllerSet (HDEVINFO); kInvalidSet when none could be made.
using InterfaceSet = std::intptr_t;
constexpr InterfaceSet kInvalidSet = -1;

// Room for an SP_DEVICE_INTERFACE_DATA. The caller stores interfaceDataSize as little-endian DWORD in
// the first four bytes (the structure's cbSize) before enumerating, as SetupDi requires.
struct DeviceInterfaceData {
  alignas(8) uint8_t raw[32];
};

struct UsbPlatformOps {
  void* context;

  // cbSize of SP_DEVICE_INTERFACE_DATA (28 on 32-bit Windows) and of
  // SP_DEVICE_INTERFACE_DETAIL_DATA_A (5 on 32-bit Windows) for this platform.
  uint32_t interfaceDataSize;
  uint32_t interfaceDetailSize;

  // CreateFileA(path, GENERIC_WRITE, FILE_SHARE_WRITE, NULL, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
  // NULL): overlapped, so that no request on the handle can hold its caller for good.
  PlatformHandle (*openPath)(void* context, const char* path);
  // CloseHandle.
  void (*closeHandle)(void* context, PlatformHandle handle);
  // DeviceIoControl with METHOD_BUFFERED semantics: in and out may be the same buffer. A request
  // that has not completed after timeLimitMs is cancelled and fails; it has let go of in and out
  // by the time this returns, whichever way it ended. A device that stops answering on its control
  // pipe would otherwise hold the caller (and with it a window or the host) for good.
  bool (*deviceIoControl)(void* context, PlatformHandle handle, uint32_t code, const void* in,
                          uint32_t inSize, void* out, uint32_t outSize, uint32_t* bytesReturned,
                          uint32_t timeLimitMs);

  // SetupDiGetClassDevsA(&GUID_DEVINTERFACE_USB_HOST_CONTROLLER, NULL, NULL,
  //                      DIGCF_PRESENT | DIGCF_DEVICEINTERFACE).
  InterfaceSet (*getHostControllerSet)(void* context);
  // SetupDiEnumDeviceInterfaces(set, NULL, &GUID_DEVINTERFACE_USB_HOST_CONTROLLER, index, data);
  // false once index is past the end.
  bool (*enumDeviceInterfaces)(void* context, InterfaceSet set, uint32_t index,
                               DeviceInterfaceData* data);
  // SetupDiGetDeviceInterfaceDetailA(set, data, detail, detailSize, requiredSize, NULL): with no
  // buffer it fails and reports the size needed; detail's cbSize must be interfaceDetailSize.
  bool (*getInterfaceDetail)(void* context, InterfaceSet set, DeviceInterfaceData* data,
                             void* detail, uint32_t detailSize, uint32_t* requiredSize);
  // SetupDiDestroyDeviceInfoList.
  void (*destroyInterfaceSet)(void* context, InterfaceSet set);

  // The hub driver's UTF-16 names as 8-bit strings in the system code page (WideCharToMultiByte
  // with CP_ACP on Windows), so that openPath finds the object again. False when not convertible.
  bool (*narrowName)(void* context, const std::u16string& name, std::string* out);
};

}  // namespace usb
