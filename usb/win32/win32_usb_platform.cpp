#include "usb/win32/win32_usb_platform.h"

#include <windows.h>
#include <setupapi.h>

#include <cstring>
#include <new>

#include "usb/win32/overlapped_request.h"

namespace usb {
namespace {

// GUID_DEVINTERFACE_USB_HOST_CONTROLLER {3ABF6F2D-71C4-462A-8A92-1E6861E6AF27}.
const GUID kHostControllerInterface = {0x3ABF6F2D, 0x71C4, 0x462A,
                                       {0x8A, 0x92, 0x1E, 0x68, 0x61, 0xE6, 0xAF, 0x27}};

static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) <= sizeof(DeviceInterfaceData::raw),
              "SP_DEVICE_INTERFACE_DATA must fit the portable room for it");
static_assert(alignof(SP_DEVICE_INTERFACE_DATA) <= alignof(DeviceInterfaceData),
              "the portable room must be aligned for SP_DEVICE_INTERFACE_DATA");

HANDLE ToHandle(PlatformHandle handle) { return reinterpret_cast<HANDLE>(handle); }
HDEVINFO ToSet(InterfaceSet set) { return reinterpret_cast<HDEVINFO>(set); }

PlatformHandle OpenPath(void*, const char* path) {
  const HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr);
  return handle == INVALID_HANDLE_VALUE ? kInvalidHandle : reinterpret_cast<PlatformHandle>(handle);
}

void Close(void*, PlatformHandle handle) { CloseHandle(ToHandle(handle)); }

// METHOD_BUFFERED: the request's block carries the input and receives the output.
BOOL StartIoControl(void* code, HANDLE handle, void* data, DWORD inSize, DWORD outSize,
                    OVERLAPPED* overlapped) {
  return DeviceIoControl(handle, *static_cast<const DWORD*>(code), data, inSize, data, outSize,
                         nullptr, overlapped);
}

bool IoControl(void*, PlatformHandle handle, uint32_t code, const void* in, uint32_t inSize,
               void* out, uint32_t outSize, uint32_t* bytesReturned, uint32_t timeLimitMs) {
  DWORD controlCode = code;
  DWORD bytes = 0;
  const RequestEnd end = RunOverlappedRequest(ToHandle(handle), StartIoControl, &controlCode, in,
                                              inSize, out, outSize, timeLimitMs, &bytes);
  if (bytesReturned != nullptr) *bytesReturned = bytes;
  return end == RequestEnd::kCompleted;
}

InterfaceSet HostControllerSet(void*) {
  const HDEVINFO set = SetupDiGetClassDevsA(&kHostControllerInterface, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  return set == INVALID_HANDLE_VALUE ? kInvalidSet : reinterpret_cast<InterfaceSet>(set);
}

bool EnumInterfaces(void*, InterfaceSet set, uint32_t index, DeviceInterfaceData* data) {
  auto* interfaceData = reinterpret_cast<SP_DEVICE_INTERFACE_DATA*>(data->raw);
  return SetupDiEnumDeviceInterfaces(ToSet(set), nullptr, &kHostControllerInterface, index,
                                     interfaceData) != FALSE;
}

bool InterfaceDetail(void*, InterfaceSet set, DeviceInterfaceData* data, void* detail,
                     uint32_t detailSize, uint32_t* requiredSize) {
  DWORD required = 0;
  const BOOL ok = SetupDiGetDeviceInterfaceDetailA(
      ToSet(set), reinterpret_cast<SP_DEVICE_INTERFACE_DATA*>(data->raw),
      static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(detail), detailSize, &required, nullptr);
  if (requiredSize != nullptr) *requiredSize = required;
  return ok != FALSE;
}

void DestroySet(void*, InterfaceSet set) { SetupDiDestroyDeviceInfoList(ToSet(set)); }

// System code page, as CreateFileA will read the name back.
bool NarrowName(void*, const std::u16string& name, std::string* out) {
  const auto* wide = reinterpret_cast<const wchar_t*>(name.data());
  const int length = static_cast<int>(name.size());
  if (length == 0) {
    out->clear();
    return true;
  }
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return false;
  try {
    std::string narrow(static_cast<size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_ACP, 0, wide, length, &narrow[0], bytes, nullptr, nullptr) !=
        bytes) {
      return false;
    }
    *out = narrow;
    return true;
  } catch (const std::bad_alloc&) {
    return false;  // as any other name that cannot be converted
  }
}

const UsbPlatformOps kWin32Ops = {
    nullptr,
    sizeof(SP_DEVICE_INTERFACE_DATA),
    sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A),
    OpenPath,
    Close,
    IoControl,
    HostControllerSet,
    EnumInterfaces,
    InterfaceDetail,
    DestroySet,
    NarrowName,
};

}  // namespace

const UsbPlatformOps& Win32UsbPlatform() { return kWin32Ops; }

}  // namespace usb
