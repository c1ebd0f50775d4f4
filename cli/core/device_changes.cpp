// enable, disable, rename and remove: the paired-device manager's own model does each change, with
// its rules (the last working mouse stays on, the last keyboard goes off only when confirmed,
// removal compacts the shown slots), and its update to the host is answered here as the host
// answers it: the changed identifiers written through the journal, the names into the names file.
#include "cli/core/run_context.h"
#include "framework/core/text_codec.h"
#include "plugins/manager/core/manager_model.h"

namespace cli {
namespace {

// The model asks its questions with these texts; the answers come from the command line.
const wchar_t kAskKeyboardOff[] = L"keyboard-off";
const wchar_t kAskRemove[] = L"remove";
const wchar_t kInformLastMouse[] = L"last-mouse";

// The slot the command means, or a failed command.
bool FindSlot(RunContext& run, const host::TPairedDeviceTable& table, manager::Kind* kind, int* slot) {
  const DeviceRef& ref = run.args.device;
  if (!ref.byCode) {
    *kind = ref.kind;
    *slot = ref.slot;
    if (ref.slot > run.ports.activeCount) return run.Fail(ExitCode::kRefused, L"HiddenSlot", SlotName(ref.kind, ref.slot));
    if (manager::SlotEmpty(manager::SlotId(table, ref.kind, ref.slot))) {
      return run.Fail(ExitCode::kNotFound, L"NotFound", SlotName(ref.kind, ref.slot));
    }
    return true;
  }
  for (manager::Kind candidate : {manager::Kind::kMouse, manager::Kind::kKeyboard}) {
    for (int i = 1; i <= manager::kSlots; ++i) {
      const int32_t id = manager::SlotId(table, candidate, i);
      if (manager::SlotEmpty(id) || (static_cast<uint32_t>(id) & manager::kIdBits) != ref.code) continue;
      *kind = candidate;
      *slot = i;
      if (i > run.ports.activeCount) return run.Fail(ExitCode::kRefused, L"HiddenSlot", SlotName(candidate, i));
      return true;
    }
  }
  return run.Fail(ExitCode::kNotFound, L"NotFound", manager::IdText(static_cast<int32_t>(ref.code)));
}

}  // namespace

bool ChangeCommand(RunContext& run) {
  if (run.args.verb == Verb::kRename && run.args.name.size() > manager::kDeviceNameMaxLength) {
    return run.Fail(ExitCode::kBadArguments, L"NameTooLong");
  }
  if (!run.Connect(true)) return false;
  host::TPairedDeviceTable table{};
  host::ReadDeviceList(run.quarn, &table);
  run.LoadNames().FillTable(&table);
  manager::Kind kind = manager::Kind::kMouse;
  int slot = 0;
  if (!FindSlot(run, table, &kind, &slot)) return false;
  const int32_t code = manager::SlotId(table, kind, slot);
  const std::wstring codeText = manager::IdText(code);

  host::TPairedDeviceTable second = table;
  contract::TCorvilManagerParams params{};
  params.receiverCount = 1;
  params.selectedReceiver = 0;
  params.displayMode = contract::kShowMouseNames;
  params.tables = &table;
  params.secondTable = &second;

  bool lastMouse = false, lastKeyboard = false, writeFailed = false, written = false;
  manager::ManagerPorts ports;
  ports.insert = [&](contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted) -> int32_t {
    const bool differ = host::DeviceListsDiffer(*accepted->tables, *wanted->tables);
    if (!host::UpdateDeviceList(run.quarn, *accepted->tables, *wanted->tables, run.ports.wait)) {
      writeFailed = true;
      return contract::kInsertRefused;
    }
    written = written || differ;
    run.LoadNames().ApplyUpdate(*accepted->tables, *wanted->tables);
    return 0;
  };
  ports.inform = [&](const std::wstring& text) { lastMouse = lastMouse || text == kInformLastMouse; };
  ports.ask = [&](const std::wstring& question) -> int32_t {
    if (question != kAskKeyboardOff) return 1;  // remove: the command itself is the confirmation
    if (run.args.force) return 1;
    lastKeyboard = true;
    return 0;
  };
  ports.edit = [&](const std::wstring&, std::wstring* text, int) {
    *text = run.args.name;
    return true;
  };
  manager::ManagerTexts texts;
  texts.mouseAtLeastOne = kInformLastMouse;
  texts.keyboardDisableYesNo = kAskKeyboardOff;
  texts.mouseRemoveYesNo = kAskRemove;
  texts.keyboardRemoveYesNo = kAskRemove;

  manager::ManagerModel model(&params, ports, texts, run.ports.activeCount);
  model.Show();
  switch (run.args.verb) {
    case Verb::kEnable:
    case Verb::kDisable: {
      const bool on = run.args.verb == Verb::kEnable;
      if (kind == manager::Kind::kMouse) model.MouseBoxClicked(slot, on);
      else model.KeyboardBoxClicked(slot, on);
      break;
    }
    case Verb::kRename: model.NameClicked(kind, slot); break;
    case Verb::kRemove: model.RemoveClicked(kind, slot); break;
    default: break;
  }
  if (lastMouse) return run.Fail(ExitCode::kRefused, L"LastMouse");
  if (lastKeyboard) return run.Fail(ExitCode::kRefused, L"LastKeyboard");
  if (writeFailed) return run.FailWrite();

  // What the command did, and the slots of that kind as they are now (removal moves devices up).
  const host::TPairedDeviceTable& now = model.CurrentTable();
  run.json.Key("code").String(codeText).Key("written").Bool(written).Key("devices").BeginArray();
  for (int i = 1; i <= manager::kSlots; ++i) WriteSlotJson(run.json, now, kind, i, run.ports.activeCount);
  run.json.EndArray();
  const wchar_t* done = run.args.verb == Verb::kEnable    ? L" enabled"
                        : run.args.verb == Verb::kDisable ? L" disabled"
                        : run.args.verb == Verb::kRename  ? L" renamed"
                                                          : L" removed";
  run.text += framework::DecodeUtf8(KindName(kind)) + L" " + codeText + done;
  if (!written && run.args.verb != Verb::kRename) run.text += L" (it already was)";
  run.text += L"\n";
  for (int i = 1; i <= manager::kSlots; ++i) run.text += SlotLine(now, kind, i, run.ports.activeCount);
  return true;
}

}  // namespace cli
