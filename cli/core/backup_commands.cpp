// backup and restore: the configuration page and the names of its devices, in the file format of
// backup_file.h. A restore shows slot by slot what would change and rewrites the page through the
// journal like every other rewrite.
#include "cli/core/backup_file.h"
#include "cli/core/run_context.h"
#include "framework/core/text_codec.h"
#include "plugins/manager/core/device_slots.h"
#include "receiver/config_slots.h"

namespace cli {
namespace {

constexpr host::SlotKind kSlotKinds[] = {host::SlotKind::kMouse, host::SlotKind::kKeyboard};

host::DeviceKind NameKind(host::SlotKind kind) {
  return kind == host::SlotKind::kMouse ? host::DeviceKind::kMouse : host::DeviceKind::kKeyboard;
}
manager::Kind ManagerKind(host::SlotKind kind) {
  return kind == host::SlotKind::kMouse ? manager::Kind::kMouse : manager::Kind::kKeyboard;
}

// A slot's device as text: "051234", "051234 (off)" or "empty".
std::wstring SlotText(host::SlotKind kind, int slot, uint32_t value) {
  if (host::SlotIsFree(kind, slot, value) || manager::SlotEmpty(static_cast<int32_t>(value))) return L"empty";
  return manager::IdText(static_cast<int32_t>(value)) + (manager::SlotDisabled(static_cast<int32_t>(value)) ? L" (off)" : L"");
}

bool Occupied(host::SlotKind kind, int slot, uint32_t value) {
  return !host::SlotIsFree(kind, slot, value) && !manager::SlotEmpty(static_cast<int32_t>(value));
}

bool ReadConfigPage(RunContext& run, receiver::Page* page) {
  host::ConfigPageWords words{};
  if (!run.quarn.ReadPage(host::kConfigPageAddress, words.data())) return false;
  *page = host::PageBytes(words);
  return true;
}

}  // namespace

bool BackupCommand(RunContext& run) {
  if (!run.Connect(false)) return false;
  Backup backup;
  backup.generation = run.generation;
  if (!ReadConfigPage(run, &backup.page)) return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");
  const host::DeviceNames names = run.LoadNames();
  const host::ConfigPageWords words = host::PageWords(backup.page);
  int devices = 0;
  for (host::SlotKind kind : kSlotKinds) {
    for (int slot = 0; slot < host::kDeviceSlots; ++slot) {
      const uint32_t value = host::SlotValue(words, kind, slot);
      if (!Occupied(kind, slot, value)) continue;
      ++devices;
      backup.names.push_back({NameKind(kind), value & manager::kIdBits, names.Name(NameKind(kind), value)});
    }
  }
  if (!run.ports.writeFile || !run.ports.writeFile(run.args.file, SerializeBackup(backup))) {
    return run.Fail(ExitCode::kFileError, L"FileNotWritten", run.args.file);
  }
  run.json.Key("file").String(run.args.file).Key("generation").Number(backup.generation)
      .Key("devices").Number(devices);
  run.text += L"Saved the receiver (generation " + std::to_wstring(backup.generation) + L", paired devices: " +
              std::to_wstring(devices) + L") to " + run.args.file + L"\n";
  return true;
}

bool RestoreCommand(RunContext& run) {
  std::string bytes;
  if (!run.ports.readFile || !run.ports.readFile(run.args.file, &bytes)) {
    return run.Fail(ExitCode::kBadBackup, L"BackupUnreadable", run.args.file);
  }
  const std::optional<Backup> backup = ParseBackup(bytes);
  if (!backup) return run.Fail(ExitCode::kBadBackup, L"BackupDamaged", run.args.file);
  if (!run.Connect(true)) return false;
  if (backup->generation != run.generation) {
    return run.Fail(ExitCode::kBadBackup, L"BackupGeneration", std::to_wstring(backup->generation));
  }
  receiver::Page current{};
  if (!ReadConfigPage(run, &current)) return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");

  // What would change, slot by slot, and in the names.
  host::DeviceNames names = run.LoadNames();
  const host::ConfigPageWords now = host::PageWords(current);
  const host::ConfigPageWords then = host::PageWords(backup->page);
  std::wstring changes;
  run.json.Key("changes").BeginArray();
  for (host::SlotKind kind : kSlotKinds) {
    for (int slot = 0; slot < host::kDeviceSlots; ++slot) {
      const uint32_t from = host::SlotValue(now, kind, slot);
      const uint32_t to = host::SlotValue(then, kind, slot);
      std::wstring wanted;
      for (const BackupName& entry : backup->names) {
        if (entry.kind == NameKind(kind) && Occupied(kind, slot, to) && entry.code == (to & manager::kIdBits)) wanted = entry.name;
      }
      const std::wstring had = Occupied(kind, slot, from) ? names.Name(NameKind(kind), from) : std::wstring();
      if (from == to && had == wanted) continue;
      const std::wstring slotName = SlotName(ManagerKind(kind), slot + 1);
      run.json.BeginObject().Key("slot").String(slotName).Key("from").String(SlotText(kind, slot, from))
          .Key("to").String(SlotText(kind, slot, to)).Key("name").String(wanted).EndObject();
      changes += L"  " + slotName + L": " + SlotText(kind, slot, from) + (had.empty() ? L"" : L" \"" + had + L"\"") +
                 L" -> " + SlotText(kind, slot, to) + (wanted.empty() ? L"" : L" \"" + wanted + L"\"") + L"\n";
    }
  }
  run.json.EndArray();
  const bool pageDiffers = current != backup->page;
  if (changes.empty() && pageDiffers) changes = L"  the receiver's other settings on the page\n";
  if (changes.empty()) {
    run.json.Key("written").Bool(false);
    run.text += L"The receiver already holds this backup; nothing to change.\n";
    return true;
  }
  // Asked: the question shows the changes; told (--yes): the output does.
  if (!run.args.yes) {
    if (!run.ports.confirm || !run.ports.confirm(L"Changes:\n" + changes + run.Text(L"ConfirmRestore"))) {
      return run.Fail(ExitCode::kCancelled, L"Cancelled");
    }
  } else {
    run.text += L"Changes:\n" + changes;
  }
  receiver::PageJournal transient;
  receiver::PageJournal& journal = run.ports.journal != nullptr ? *run.ports.journal : transient;
  if (pageDiffers && !receiver::RewriteConfigPage(run.quarn, journal, current, backup->page, run.ports.wait,
                                                 host::kHostUpdateModeWaits)) {
    return run.FailWrite();
  }
  // Names follow the devices: those that leave the page lose theirs, the backup's come back.
  for (host::SlotKind kind : kSlotKinds) {
    for (int slot = 0; slot < host::kDeviceSlots; ++slot) {
      const uint32_t from = host::SlotValue(now, kind, slot);
      if (Occupied(kind, slot, from)) names.Forget(NameKind(kind), from);
    }
  }
  for (const BackupName& entry : backup->names) names.SetName(entry.kind, entry.code, entry.name);
  names.Save();
  run.json.Key("written").Bool(pageDiffers);
  run.text += L"Restored.\n";
  return true;
}

}  // namespace cli
