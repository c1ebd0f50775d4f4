// The per-user device names file as the host loads it, then what the manager does with it: names
// into a device table (each fits its 16-unit slot), a rename, and the file saved and read again.
#include <cstdlib>
#include <map>
#include <string>

#include "host/names/device_names.h"
#include "tests/unit/support/memory_files.h"

namespace {

using testfiles::MemoryFiles;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::wstring kFolder = L"C:\\Users\\me\\AppData\\Roaming\\Tandra\\";
  MemoryFiles disk;
  disk.files[kFolder + host::DeviceNames::kFileName] = std::string(reinterpret_cast<const char*>(data), size);
  host::DeviceNames names(disk.Ops(), kFolder);

  host::TPairedDeviceTable table{};
  const uint32_t ids[host::kDeviceSlots] = {0x51234, 0x00001, 0x7FFFF, 0x6EEEE, 0x0A1B2C & 0x7FFFF};
  for (int i = 0; i < host::kDeviceSlots; ++i) {
    table.mouseIds[i] = static_cast<int32_t>(ids[i]);
    table.keyboardIds[i] = static_cast<int32_t>(ids[i] | 0x800000);
  }
  names.FillTable(&table);
  for (int i = 0; i < host::kDeviceSlots; ++i) {
    if (table.mouseNames[i][host::kDeviceNameUnits - 1] != 0 ||
        table.keyboardNames[i][host::kDeviceNameUnits - 1] != 0) {
      std::abort();  // a name must leave its slot's terminating zero
    }
  }

  // Whatever was loaded must survive a save and a reload unchanged.
  const size_t loaded = names.Count();
  names.SetName(host::DeviceKind::kMouse, 0x51234, L"Desk mouse");
  names.Forget(host::DeviceKind::kMouse, 0x51234);
  if (!names.Save()) std::abort();
  host::DeviceNames again(disk.Ops(), kFolder);
  if (again.Count() != names.Count() || names.Count() > loaded) std::abort();
  for (int i = 0; i < host::kDeviceSlots; ++i) {
    for (host::DeviceKind kind : {host::DeviceKind::kMouse, host::DeviceKind::kKeyboard}) {
      if (again.Name(kind, ids[i]) != names.Name(kind, ids[i])) std::abort();
    }
  }
  return 0;
}
