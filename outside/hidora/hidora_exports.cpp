// The five exports over DeviceAccess, and the Win32 pieces it needs: the library's own folder (for
// DLL_Hidora.ini), 8-bit file names for the simulator, and the hub driver's operations table.
// No exception leaves an export: each one is a DeviceAccess call, which turns whatever is thrown
// below it into the export's failure value, and the pieces here run inside those calls (when the
// backend is made) or cannot throw.
#include "outside/hidora/DLL_Hidora.h"

#include <string>
#include <vector>

#include "outside/hidora/core/device_access.h"
#include "outside/hidora/core/library_config.h"
#include "usb/win32/win32_usb_platform.h"

namespace {

static_assert(sizeof(WCHAR) == sizeof(char16_t), "WCHAR is a UTF-16 unit");

// The folder this DLL was loaded from, with its trailing backslash.
std::wstring LibraryFolder() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&LibraryFolder), &self)) {
    return std::wstring();
  }
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(self, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::wstring();
    if (length < buffer.size()) {
      const std::wstring path(buffer.data(), length);
      return path.substr(0, path.find_last_of(L"\\/") + 1);
    }
    if (buffer.size() >= 32768) return std::wstring();
    buffer.resize(buffer.size() * 2);
  }
}

// The simulator opens files by 8-bit name: the ANSI code page, as the C runtime's fopen expects.
std::string AnsiPath(const std::wstring& path) {
  const int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()),
                                       nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), static_cast<int>(path.size()), &narrow[0], size,
                      nullptr, nullptr);
  return narrow;
}

hidora::DeviceAccess& Library() {
  static hidora::DeviceAccess access([] {
    return hidora::MakeBackend(hidora::ReadLibraryConfig(LibraryFolder()), usb::Win32UsbPlatform(),
                               AnsiPath);
  });
  return access;
}

const char16_t* Units(const WCHAR* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace

extern "C" {

int __cdecl Initial(HWND) { return Library().Initial(); }

int __cdecl CloseQuery(void) { return Library().CloseQuery(); }

int __cdecl GetUsbDeviceFromHub(DWORD vendorId, DWORD productId, int index, WCHAR* path,
                                DWORD* tag) {
  uint32_t found = 0;
  const int count = Library().GetUsbDeviceFromHub(
      vendorId, productId, index, reinterpret_cast<char16_t*>(path), tag != nullptr ? &found : nullptr);
  if (tag != nullptr && count >= 0) *tag = found;
  return count;
}

int __cdecl Write(const WCHAR* path, DWORD tag, DWORD command, DWORD value, DWORD length) {
  return Library().Write(Units(path), tag, command, value, length);
}

int __cdecl Read(const WCHAR* path, DWORD tag, DWORD command, DWORD value, DWORD length,
                 BYTE* buffer) {
  return Library().Read(Units(path), tag, command, value, length, buffer);
}

}  // extern "C"
