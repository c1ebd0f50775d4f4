// The state of one command while it runs, shared by the command files: the receiver check, the
// output in both forms, and how a command ends.
#pragma once
#include <string>

#include "cli/core/arguments.h"
#include "cli/core/cli_run.h"
#include "cli/core/exit_codes.h"
#include "cli/core/json_writer.h"
#include "host/names/device_names.h"
#include "host/receiver/quarn.h"
#include "receiver/page_rewrite.h"

namespace cli {

class RunContext {
 public:
  // `command` names the command in the JSON document; null there when the command line had none
  // that was understood.
  RunContext(const Arguments& arguments, CliPorts& ports, bool understood = true);

  // The host's receiver check: exactly one receiver, a pending rewrite settled (unless the host
  // runs: it settles its own), a generation of 38 or more. `forWriting` refuses while the host runs.
  bool Connect(bool forWriting);
  // Ends the command with an error; always false, so callers can `return Fail(...)`.
  bool Fail(ExitCode code, const wchar_t* key, const std::wstring& argument = std::wstring());
  // A failed page write: not verified (the old page is back), or cut off (the journal keeps it).
  bool FailWrite();
  CliResult Finish();

  host::DeviceNames LoadNames() const { return host::DeviceNames(ports.nameOps, ports.nameFolder); }
  std::wstring Text(const wchar_t* key, const std::wstring& argument = std::wstring()) const {
    return Message(ports.text, key, argument);
  }
  void Progress(const std::wstring& line) const {
    if (ports.progress) ports.progress(line);
  }
  // Ctrl+C at the console: long commands stop at their next safe point.
  bool Interrupted() const { return ports.interrupted && ports.interrupted(); }

  const Arguments& args;
  CliPorts& ports;
  host::TQUARN quarn;
  int generation = 0;
  receiver::SettleResult settled = receiver::SettleResult::kNothingPending;
  JsonWriter json;    // the command's members go between the header and Finish's trailer
  std::wstring text;  // human output

 private:
  ExitCode code_ = ExitCode::kDone;
  std::wstring error_;
};

// The commands; each returns false after Fail.
bool ListCommand(RunContext& run);
bool ChangeCommand(RunContext& run);  // enable, disable, rename, remove
bool BackupCommand(RunContext& run);
bool RestoreCommand(RunContext& run);
bool RecoverCommand(RunContext& run);
bool PairCommand(RunContext& run);
bool SignalCommand(RunContext& run);

// "mouse" / "keyboard".
const char* KindName(manager::Kind kind);
// "mouse:2".
std::wstring SlotName(manager::Kind kind, int slot);
// One slot as a JSON object: kind, slot, code (null when empty), enabled, name, state.
void WriteSlotJson(JsonWriter& json, const host::TPairedDeviceTable& table, manager::Kind kind, int slot,
                   int activeCount);
// One slot as a line of text.
std::wstring SlotLine(const host::TPairedDeviceTable& table, manager::Kind kind, int slot, int activeCount);

}  // namespace cli
