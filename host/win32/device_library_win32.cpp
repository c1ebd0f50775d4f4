#include "host/win32/device_library_win32.h"

#include <vector>

namespace host {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide strings are UTF-16");

// A missing or broken library is a normal state of the host (no receiver support), so the loader
// must not put up an error box of its own.
ModuleHandle Load(void*, const std::u16string& fileName) {
  DWORD previous = 0;
  const bool quiet =
      SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous) != FALSE;
  const HMODULE module = LoadLibraryW(reinterpret_cast<const wchar_t*>(fileName.c_str()));
  if (quiet) SetThreadErrorMode(previous, nullptr);
  return reinterpret_cast<ModuleHandle>(module);
}

void Unload(void*, ModuleHandle module) { FreeLibrary(reinterpret_cast<HMODULE>(module)); }

void* Lookup(void*, ModuleHandle module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

// The folder of the running program, with its trailing backslash; grows the buffer for long paths.
std::u16string ProgramFolder(void*) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::u16string();
    if (length < buffer.size()) {
      std::u16string path(reinterpret_cast<const char16_t*>(buffer.data()), length);
      return path.substr(0, path.find_last_of(u"\\/") + 1);
    }
    if (buffer.size() >= 32768) return std::u16string();
    buffer.resize(buffer.size() * 2);
  }
}

const DeviceLibraryOps kWin32Ops = {nullptr, Load, Unload, Lookup, ProgramFolder};

}  // namespace

TDeviceLibrary& HostDeviceLibrary() {
  static TDeviceLibrary library(kWin32Ops);
  return library;
}

int32_t BindDeviceLibrary(HWND window) { return HostDeviceLibrary().BindDeviceLibrary(window); }

void ReleaseDeviceLibrary() { HostDeviceLibrary().ReleaseDeviceLibrary(); }

int32_t FindReceiver(int32_t index, std::u16string* path, uint16_t* tag) {
  return HostDeviceLibrary().FindReceiver(index, path, tag);
}

}  // namespace host
