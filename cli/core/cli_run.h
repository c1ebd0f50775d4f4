// One run of the command-line tool: the parsed command carried out over the host's receiver
// binding, page journal and names file, and what goes to stdout (text or one JSON document) and to
// stderr (messages in the user's language). Portable: the console, the files, the host's mutex and
// the device-access library's loading are the caller's, behind CliPorts.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "cli/core/cli_texts.h"
#include "host/receiver/device_library.h"
#include "host/receiver/pair_parameters.h"
#include "host/receiver/receiver_operations.h"
#include "receiver/page_journal.h"
#include "userfiles/user_file_ops.h"

namespace cli {

struct CliPorts {
  host::TDeviceLibrary* library = nullptr;  // bound already
  receiver::PageJournal* journal = nullptr; // the host's journal: the two programs settle each other's records
  userfiles::FileOps nameOps;               // the host's names file
  std::wstring nameFolder;
  // True while Tandra_Technology.exe runs: then only the host rewrites the page.
  std::function<bool()> hostRunning;
  host::Wait wait = host::SleepMilliseconds;
  host::PairParameterTable* pairParameters = nullptr;
  // The backup file.
  std::function<bool(const std::wstring& path, std::string* bytes)> readFile;
  std::function<bool(const std::wstring& path, const std::string& bytes)> writeFile;
  // Shows `text` to the person at the console and asks; true = yes. Absent: no.
  std::function<bool(const std::wstring& text)> confirm;
  // True once the user pressed Ctrl+C: pairing stops (pairing mode off), signal stops reading.
  // Page rewrites always run to their end.
  std::function<bool()> interrupted;
  // A live line for a person at a terminal (the pairing countdown, signal answers); never stdout.
  std::function<void(const std::wstring& line)> progress;
  TextLookup text;
  // Rows the manager shows ("SetActiveDeviceCount"); slots above are hidden and left alone.
  int activeCount = 5;
};

struct CliResult {
  int exitCode = 0;
  std::string out;   // UTF-8: the text output or the JSON document
  std::wstring err;  // messages for stderr
};

CliResult RunCli(const std::vector<std::wstring>& args, CliPorts& ports);

}  // namespace cli
