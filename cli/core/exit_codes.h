// The exit codes of Tandra_Cli.exe. Scripts branch on them, so a number never changes meaning once
// released; new outcomes get new numbers.
#pragma once

namespace cli {

enum class ExitCode : int {
  kDone = 0,
  kNotVerified = 1,         // a page write did not read back as written (the old page was put back)
  kBadArguments = 2,
  kNoReceiver = 3,          // none plugged in, gone mid-command, or no device-access library
  kSeveralReceivers = 4,
  kUnsupportedReceiver = 5, // generation below 38
  kRefused = 6,             // a rule said no: last mouse, last keyboard without --force, hidden slot
  kHostRunning = 7,         // Tandra_Technology.exe runs: it alone rewrites the page now
  kBadBackup = 8,           // unreadable, damaged, or from a receiver of another generation
  kCancelled = 9,           // the user answered no
  kNotFound = 10,           // no paired device with that code
  kTimedOut = 11,           // no device reported within the pairing time
  kFileError = 12,          // the backup file could not be written
};

inline int ExitNumber(ExitCode code) { return static_cast<int>(code); }

// Stable names for the JSON document's "error" field.
const char* ExitName(ExitCode code);

}  // namespace cli
