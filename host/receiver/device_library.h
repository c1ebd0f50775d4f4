// Binding of the outside device-access library "DLL\DLL_Hidora.dll": loading, unloading and one
// wrapper per export. The platform calls (load, look-up, unload, program folder) sit behind a table
// of operations so that the decisions here run against a fake module in the unit tests.
#pragma once
#include <cstdint>
#include <string>

#include "host/receiver/device_commands.h"
#include "receiver/receiver_protocol.h"

#if defined(_WIN32) && !defined(_WIN64)
#define HIDORA_CDECL __cdecl
#else
#define HIDORA_CDECL
#endif

namespace host {

constexpr uint16_t kReceiverVendorId = receiver::kVendorId;
constexpr uint16_t kReceiverProductId = receiver::kProductIdA;
// Below the program's own folder (which ends in a backslash).
constexpr char16_t kDeviceLibraryFile[] = u"DLL\\DLL_Hidora.dll";

// What the host sees when the library or one of its exports is missing.
constexpr int32_t kNoReceiverCount = -1;
constexpr int32_t kCommandFailed = 0;

// The device path buffer: 256 bytes, at most 127 UTF-16 units and a terminator.
constexpr int kDevicePathUnits = 128;

// The exports as the library defines them: caller-cleans, 16-bit values in 32-bit slots.
using InitialProc = int32_t(HIDORA_CDECL*)(void* window);
using CloseQueryProc = int32_t(HIDORA_CDECL*)();
using WriteProc = int32_t(HIDORA_CDECL*)(const char16_t* path, uint32_t tag, uint32_t command,
                                         uint32_t value, uint32_t length);
using ReadProc = int32_t(HIDORA_CDECL*)(const char16_t* path, uint32_t tag, uint32_t command,
                                        uint32_t value, uint32_t length, uint8_t* buffer);
using GetUsbDeviceFromHubProc = int32_t(HIDORA_CDECL*)(uint32_t vendorId, uint32_t productId,
                                                       int32_t index, char16_t* path,
                                                       uint32_t* tag);

using ModuleHandle = std::intptr_t;
constexpr ModuleHandle kNoModule = 0;

struct DeviceLibraryOps {
  void* context;
  // LoadLibraryW; kNoModule when the file is missing or does not load.
  ModuleHandle (*load)(void* context, const std::u16string& fileName);
  // FreeLibrary.
  void (*unload)(void* context, ModuleHandle module);
  // GetProcAddress; nullptr when the export is missing.
  void* (*lookup)(void* context, ModuleHandle module, const char* name);
  // The running program's folder with its trailing backslash.
  std::u16string (*programFolder)(void* context);
};

class TDeviceLibrary : public DeviceCommands {
 public:
  explicit TDeviceLibrary(const DeviceLibraryOps& ops);
  TDeviceLibrary(const TDeviceLibrary&) = delete;
  TDeviceLibrary& operator=(const TDeviceLibrary&) = delete;

  // Loads the library unless it is loaded already, then calls Initial with the window and returns
  // its result (0 without library or export).
  int32_t BindDeviceLibrary(void* window);
  // CloseQuery (if exported), then unloads. Harmless when nothing is loaded.
  void ReleaseDeviceLibrary();
  // GetUsbDeviceFromHub with the receiver's IDs: the count as the library gives it (-1 without
  // library or export); path and tag of the receiver at index are handed back.
  int32_t FindReceiver(int32_t index, std::u16string* path, uint16_t* tag);

  int32_t SendCommand(const std::u16string& path, uint16_t tag, uint16_t command, uint16_t value,
                      uint16_t length) override;
  int32_t ReadCommand(const std::u16string& path, uint16_t tag, uint16_t command, uint16_t value,
                      uint16_t length, uint8_t* buffer) override;

  bool Loaded() const { return module_ != kNoModule; }

 private:
  // Looked up at every call: the host never caches an export.
  template <typename Proc>
  Proc Export(const char* name) const;

  const DeviceLibraryOps& ops_;
  ModuleHandle module_ = kNoModule;
};

}  // namespace host
