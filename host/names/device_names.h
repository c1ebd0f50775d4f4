// The names users give their devices, kept per user across runs of the host (the receiver stores no
// names): %APPDATA%\Tandra\DeviceNames.ini, a section per kind, the six-digit code as key.
//
//   [Mouse]
//   051234=Desk mouse
//   [Keyboard]
//   0A1B2C=Office keys
//
// The file is UTF-8. A missing or damaged file gives empty names and never an error (lines that do
// not parse are skipped); every save writes a new file and then replaces the old one, so a failed
// save leaves the previous file whole.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "receiver/paired_device_table.h"
#include "userfiles/user_file_ops.h"

namespace host {

// The names file's operations: the per-user file operations of every program.
using NameFileOps = userfiles::FileOps;

enum class DeviceKind { kMouse, kKeyboard };

class DeviceNames {
 public:
  static constexpr wchar_t kFileName[] = L"DeviceNames.ini";
  static constexpr size_t kMaxNameLength = 15;  // what a device table slot holds

  // `folder` ends with a backslash (e.g. "C:\Users\me\AppData\Roaming\Tandra\"). Loads the file.
  // An empty folder keeps names in memory only: nothing is read or written.
  DeviceNames(NameFileOps ops, std::wstring folder);

  // The stored name of a device (bits 0-18 of `id` are the code); "" when none.
  std::wstring Name(DeviceKind kind, uint32_t id) const;
  // Sets (or, with an empty name, forgets) a name in memory; true when something changed.
  bool SetName(DeviceKind kind, uint32_t id, const std::wstring& name);
  bool Forget(DeviceKind kind, uint32_t id);

  // Fills the names of the table's present devices from the file (empty slots keep theirs).
  void FillTable(TPairedDeviceTable* table) const;

  // After an accepted AM_CorvilManager_Insert: the wanted table's names become the stored names of
  // its devices, and devices that were in `accepted` but are no longer in `wanted` lose their names.
  // Saves when anything changed; false only when a needed save failed.
  bool ApplyUpdate(const TPairedDeviceTable& accepted, const TPairedDeviceTable& wanted);

  // Writes the file (new file, then replace). False when it could not be written; the old file then
  // stays as it was.
  bool Save();

  size_t Count() const { return names_.size(); }

 private:
  using Key = std::pair<int, uint32_t>;  // kind, 19-bit code
  void Load();
  std::string Serialize() const;

  NameFileOps ops_;
  std::wstring folder_;
  std::map<Key, std::wstring> names_;
};

// Bits 0-18 are 0, 0x6EEEE or 0x7FFFF: no device in the slot.
bool NoDeviceIn(int32_t slotValue);

}  // namespace host
