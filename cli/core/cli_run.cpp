#include "cli/core/cli_run.h"

#include "cli/core/run_context.h"
#include "framework/core/text_codec.h"
#include "host/receiver/receiver_check.h"
#include "plugins/gauge/core/signal_average.h"
#include "plugins/manager/core/device_slots.h"

namespace cli {
namespace {

// The signal display's pause between one answer and the next request.
constexpr uint32_t kSignalPauseMs = 20;

const char* SettleName(receiver::SettleResult result) {
  switch (result) {
    case receiver::SettleResult::kNothingPending: return "nothing-pending";
    case receiver::SettleResult::kClosed: return "closed";
    case receiver::SettleResult::kCompleted: return "completed";
    case receiver::SettleResult::kKept: return "kept";
  }
  return "kept";
}

}  // namespace

const char* ExitName(ExitCode code) {
  switch (code) {
    case ExitCode::kDone: return "done";
    case ExitCode::kNotVerified: return "write-not-verified";
    case ExitCode::kBadArguments: return "bad-arguments";
    case ExitCode::kNoReceiver: return "no-receiver";
    case ExitCode::kSeveralReceivers: return "several-receivers";
    case ExitCode::kUnsupportedReceiver: return "unsupported-receiver";
    case ExitCode::kRefused: return "refused";
    case ExitCode::kHostRunning: return "host-running";
    case ExitCode::kBadBackup: return "bad-backup";
    case ExitCode::kCancelled: return "cancelled";
    case ExitCode::kNotFound: return "not-found";
    case ExitCode::kTimedOut: return "timed-out";
    case ExitCode::kFileError: return "file-error";
  }
  return "failed";
}

const char* KindName(manager::Kind kind) { return kind == manager::Kind::kMouse ? "mouse" : "keyboard"; }

std::wstring SlotName(manager::Kind kind, int slot) {
  return framework::DecodeUtf8(KindName(kind)) + L":" + std::to_wstring(slot);
}

void WriteSlotJson(JsonWriter& json, const host::TPairedDeviceTable& table, manager::Kind kind, int slot,
                   int activeCount) {
  const int32_t id = manager::SlotId(table, kind, slot);
  const bool empty = manager::SlotEmpty(id);
  json.BeginObject().Key("kind").String(KindName(kind)).Key("slot").Number(slot).Key("code");
  if (empty) json.Null();
  else json.String(manager::IdText(id));
  json.Key("enabled").Bool(!empty && !manager::SlotDisabled(id));
  json.Key("name").String(empty ? std::wstring() : manager::NameOf(table, kind, slot));
  json.Key("state").String(slot > activeCount ? "hidden" : empty ? "empty" : "paired");
  json.EndObject();
}

std::wstring SlotLine(const host::TPairedDeviceTable& table, manager::Kind kind, int slot, int activeCount) {
  const int32_t id = manager::SlotId(table, kind, slot);
  std::wstring line = L"  " + SlotName(kind, slot);
  line.resize(14, L' ');
  if (manager::SlotEmpty(id)) {
    line += L"------  empty";
  } else {
    line += manager::IdText(id) + (manager::SlotDisabled(id) ? L"  off" : L"  on");
    const std::wstring name = manager::NameOf(table, kind, slot);
    if (!name.empty()) line += (manager::SlotDisabled(id) ? L"  " : L"   ") + name;
  }
  if (slot > activeCount) line += L"  (hidden)";
  return line + L"\n";
}

RunContext::RunContext(const Arguments& arguments, CliPorts& ports, bool understood)
    : args(arguments), ports(ports) {
  json.BeginObject().Key("command");
  if (understood) json.String(VerbName(args.verb));
  else json.Null();
}

bool RunContext::Fail(ExitCode code, const wchar_t* key, const std::wstring& argument) {
  code_ = code;
  error_ = Text(key, argument);
  return false;
}

bool RunContext::FailWrite() {
  // With the receiver gone mid-write the journal keeps the rewrite; recover (or the host) ends it.
  if (ports.journal != nullptr && ports.journal->Pending()) return Fail(ExitCode::kNotVerified, L"WriteCut");
  return Fail(ExitCode::kNotVerified, L"NotVerified");
}

bool RunContext::Connect(bool forWriting) {
  const bool hostRunning = ports.hostRunning && ports.hostRunning();
  if (forWriting && hostRunning) return Fail(ExitCode::kHostRunning, L"HostRunning");
  if (ports.library == nullptr) return Fail(ExitCode::kNoReceiver, L"LibraryMissing");
  // While the host runs, its own checks settle the journal: the two must not write at once.
  const host::ReceiverCheck check =
      host::CheckReceiver(*ports.library, ports.journal, ports.wait, &quarn, {!hostRunning, true});
  settled = check.settled;
  generation = check.generation;
  if (settled == receiver::SettleResult::kCompleted) {
    json.Key("recovered").Bool(true);
    text += Text(L"Recovered") + L"\n";
  }
  switch (check.state) {
    case host::ReceiverState::kUsable: break;
    case host::ReceiverState::kNone: return Fail(ExitCode::kNoReceiver, L"NoReceiver");
    case host::ReceiverState::kSeveral: return Fail(ExitCode::kSeveralReceivers, L"SeveralReceivers");
    case host::ReceiverState::kLibraryMissing: return Fail(ExitCode::kNoReceiver, L"LibraryMissing");
    case host::ReceiverState::kUnsupported:
      return Fail(ExitCode::kUnsupportedReceiver, L"UnsupportedReceiver", std::to_wstring(generation));
  }
  return true;
}

CliResult RunContext::Finish() {
  CliResult result;
  result.exitCode = ExitNumber(code_);
  json.Key("ok").Bool(code_ == ExitCode::kDone).Key("exit").Number(result.exitCode);
  if (code_ != ExitCode::kDone) json.Key("error").String(ExitName(code_)).Key("message").String(error_);
  json.EndObject();
  result.out = args.json ? json.Text() : framework::EncodeUtf8(text);
  if (!error_.empty()) result.err = error_ + L"\n";
  return result;
}

bool ListCommand(RunContext& run) {
  if (!run.Connect(false)) return false;
  uint8_t rf[receiver::kRecordBytes] = {};
  if (!run.quarn.ReadRecord(receiver::kRecordRfInfo, rf)) return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");
  const int channel = rf[2] & 0x1F;
  const int signal = rf[1];
  host::TPairedDeviceTable table{};
  host::ReadDeviceList(run.quarn, &table);
  run.LoadNames().FillTable(&table);
  const int active = run.ports.activeCount;

  run.json.Key("receiver").BeginObject().Key("count").Number(1).Key("generation").Number(run.generation)
      .Key("channel").Number(channel).Key("signal").Number(signal).EndObject();
  run.json.Key("activeSlots").Number(active).Key("devices").BeginArray();
  run.text += L"Receiver: generation " + std::to_wstring(run.generation) + L", channel " +
              std::to_wstring(channel) + L", signal " + std::to_wstring(signal) + L"\n";
  for (manager::Kind kind : {manager::Kind::kMouse, manager::Kind::kKeyboard}) {
    run.text += kind == manager::Kind::kMouse ? L"Mice:\n" : L"Keyboards:\n";
    for (int slot = 1; slot <= manager::kSlots; ++slot) {
      WriteSlotJson(run.json, table, kind, slot, active);
      run.text += SlotLine(table, kind, slot, active);
    }
  }
  run.json.EndArray();
  return true;
}

bool RecoverCommand(RunContext& run) {
  const bool connected = run.Connect(true);
  run.json.Key("pending").String(SettleName(run.settled));
  if (!connected) return false;
  switch (run.settled) {
    case receiver::SettleResult::kNothingPending:
      run.text += L"Nothing to recover.\n";
      break;
    case receiver::SettleResult::kClosed:
      run.text += L"The last change had reached the receiver; nothing had to be written.\n";
      break;
    case receiver::SettleResult::kCompleted:
      break;  // Connect has told it
    case receiver::SettleResult::kKept:
      return run.Fail(ExitCode::kNotVerified, L"RecordKept");
  }
  return true;
}

bool SignalCommand(RunContext& run) {
  if (!run.Connect(false)) return false;
  // The signal display's own arithmetic: an average over each window of five answers.
  gauge::AveragingWindow window;
  gauge::SignalAverage average(window);
  run.json.Key("answers").BeginArray();
  bool failed = false;
  for (int i = 1; i <= run.args.count && !run.Interrupted(); ++i) {
    uint8_t rf[receiver::kRecordBytes] = {};
    if (!run.quarn.ReadRecord(receiver::kRecordRfInfo, rf)) {
      failed = true;
      break;
    }
    average.AddAnswer(rf[1]);
    run.json.BeginObject().Key("signal").Number(rf[1]).Key("channel").Number(rf[2] & 0x1F)
        .Key("average").Number(average.Average()).EndObject();
    std::wstring line = std::to_wstring(i) + L"  signal " + std::to_wstring(rf[1]) + L"  channel " +
                        std::to_wstring(rf[2] & 0x1F) + L"  average " +
                        (average.Average() == 0 ? std::wstring(L"-") : std::to_wstring(average.Average()));
    run.text += line + L"\n";
    run.Progress(line);
    if (i < run.args.count) run.ports.wait(kSignalPauseMs);
  }
  run.json.EndArray().Key("average").Number(average.Average());
  if (failed) return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");
  return true;
}

CliResult RunCli(const std::vector<std::wstring>& argv, CliPorts& ports) {
  const ParseResult parsed = ParseArguments(argv);
  if (!parsed.arguments) {
    Arguments bad;
    bad.json = parsed.json;
    RunContext run(bad, ports, false);
    run.Fail(ExitCode::kBadArguments, L"BadArguments", parsed.offending);
    return run.Finish();
  }
  const Arguments& args = *parsed.arguments;
  RunContext run(args, ports);
  switch (args.verb) {
    case Verb::kHelp:
      run.text = UsageText();
      run.json.Key("usage").String(UsageText());
      break;
    case Verb::kList: ListCommand(run); break;
    case Verb::kEnable:
    case Verb::kDisable:
    case Verb::kRename:
    case Verb::kRemove: ChangeCommand(run); break;
    case Verb::kBackup: BackupCommand(run); break;
    case Verb::kRestore: RestoreCommand(run); break;
    case Verb::kRecover: RecoverCommand(run); break;
    case Verb::kPair: PairCommand(run); break;
    case Verb::kSignal: SignalCommand(run); break;
  }
  return run.Finish();
}

}  // namespace cli
