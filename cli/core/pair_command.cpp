// pair mouse|keyboard: one pairing run as the wizard drives it through the host (the next pairing
// parameter, pairing on, a poll every 500 ms that stores the first device to report, pairing off on
// every way out), with the seconds left shown to a person at the terminal.
#include "cli/core/run_context.h"
#include "framework/core/text_codec.h"
#include "plugins/manager/core/device_slots.h"

namespace cli {
namespace {

constexpr uint32_t kPollIntervalMs = 500;  // the wizard's tick
constexpr int kPollsPerSecond = 1000 / kPollIntervalMs;

}  // namespace

bool PairCommand(RunContext& run) {
  if (!run.Connect(true)) return false;
  host::PairParameterTable local;
  host::PairParameterTable& parameters = run.ports.pairParameters ? *run.ports.pairParameters : local;
  if (!host::StartPairing(run.quarn, parameters, run.ports.wait)) return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");
  run.Progress(run.Text(run.args.pairKind == manager::Kind::kMouse ? L"PairMouseNow" : L"PairKeyboardNow"));

  int32_t type = host::kPolledNothing;
  uint32_t id = 0;
  host::StoreReport report;
  const int polls = run.args.timeoutSeconds * kPollsPerSecond;
  for (int poll = 0; poll < polls; ++poll) {
    if (poll % kPollsPerSecond == 0) run.Progress(std::to_wstring(run.args.timeoutSeconds - poll / kPollsPerSecond) + L" s");
    if (!host::PollPairing(run.quarn, &type, &id, run.ports.wait, &report)) {
      host::StopPairing(run.quarn);
      if (report.storeFailed) return run.FailWrite();
      return run.Fail(ExitCode::kNoReceiver, L"NoReceiver");
    }
    if (type == host::kPolledMouse || type == host::kPolledKeyboard) break;
    if (run.Interrupted()) {
      host::StopPairing(run.quarn);
      return run.Fail(ExitCode::kCancelled, L"Cancelled");
    }
    run.ports.wait(kPollIntervalMs);
  }
  host::StopPairing(run.quarn);
  if (type != host::kPolledMouse && type != host::kPolledKeyboard) return run.Fail(ExitCode::kTimedOut, L"TimedOut");
  if (report.storeFailed) return run.FailWrite();

  // Like the wizard, the first device that reports is taken, whichever kind was asked for.
  const manager::Kind kind = type == host::kPolledMouse ? manager::Kind::kMouse : manager::Kind::kKeyboard;
  const host::DeviceKind nameKind = type == host::kPolledMouse ? host::DeviceKind::kMouse : host::DeviceKind::kKeyboard;
  if (report.replaced) {
    // The device pushed out of slot 1 takes its name with it, as in the host.
    host::DeviceNames names = run.LoadNames();
    if (names.Forget(nameKind, report.replacedId)) names.Save();
  }
  host::TPairedDeviceTable table{};
  host::ReadDeviceList(run.quarn, &table);
  int slot = 0;
  for (int i = 1; i <= manager::kSlots && slot == 0; ++i) {
    const int32_t value = manager::SlotId(table, kind, i);
    if (!manager::SlotEmpty(value) && (static_cast<uint32_t>(value) & manager::kIdBits) == (id & manager::kIdBits)) slot = i;
  }
  const std::wstring code = manager::IdText(static_cast<int32_t>(id));
  run.json.Key("kind").String(KindName(kind)).Key("code").String(code).Key("slot").Number(slot).Key("replaced");
  if (report.replaced) run.json.String(manager::IdText(static_cast<int32_t>(report.replacedId)));
  else run.json.Null();
  run.json.Key("asked").String(KindName(run.args.pairKind));
  run.text += L"Paired " + framework::DecodeUtf8(KindName(kind)) + L" " + code + L" in " + SlotName(kind, slot) + L"\n";
  if (kind != run.args.pairKind) {
    run.text += L"A " + framework::DecodeUtf8(KindName(kind)) + L" reported first and was paired instead of a " +
                framework::DecodeUtf8(KindName(run.args.pairKind)) + L".\n";
  }
  if (report.replaced) {
    run.text += L"All five slots were taken: it replaced " + manager::IdText(static_cast<int32_t>(report.replacedId)) + L"\n";
  }
  return true;
}

}  // namespace cli
