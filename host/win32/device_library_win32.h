// The host's one binding of "DLL\DLL_Hidora.dll", on LoadLibraryW and GetProcAddress.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "host/receiver/device_library.h"

namespace host {

// Process-wide: the one module handle of the library lives here.
TDeviceLibrary& HostDeviceLibrary();

// Forwarders to HostDeviceLibrary(), under the names the host window uses.
int32_t BindDeviceLibrary(HWND window);
void ReleaseDeviceLibrary();
int32_t FindReceiver(int32_t index, std::u16string* path, uint16_t* tag);

}  // namespace host
