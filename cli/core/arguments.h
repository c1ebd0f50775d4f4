// The command line of Tandra_Cli.exe, parsed without touching the receiver:
//
//   list | pair mouse|keyboard [--timeout S] | enable|disable <device> [--force]
//   rename <device> <name> | remove <device> | signal [--count N]
//   backup <file> | restore <file> [--yes] | recover | help
//   --json anywhere: one JSON document on stdout
//
// <device> is a six-digit pairing code ("051234", leading zeros may be left out) or a kind and a
// slot as the manager numbers them: "mouse:2" or "keyboard:5".
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugins/manager/core/device_slots.h"

namespace cli {

enum class Verb { kHelp, kList, kPair, kEnable, kDisable, kRename, kRemove, kSignal, kBackup,
                  kRestore, kRecover };

// Which device a command means.
struct DeviceRef {
  bool byCode = true;
  uint32_t code = 0;                          // 19 bits
  manager::Kind kind = manager::Kind::kMouse;  // with byCode false
  int slot = 0;                               // 1..5 with byCode false
};

constexpr int kDefaultPairSeconds = 60;  // as long as the wizard waits
constexpr int kMaxPairSeconds = 600;
constexpr int kDefaultSignalCount = 10;
constexpr int kMaxSignalCount = 10000;

struct Arguments {
  Verb verb = Verb::kHelp;
  bool json = false;
  bool yes = false;
  bool force = false;
  manager::Kind pairKind = manager::Kind::kMouse;
  int timeoutSeconds = kDefaultPairSeconds;
  int count = kDefaultSignalCount;
  DeviceRef device;
  std::wstring name;  // rename
  std::wstring file;  // backup, restore
};

struct ParseResult {
  std::optional<Arguments> arguments;
  std::wstring offending;  // the argument that was not understood, when arguments is empty
  bool json = false;       // --json was seen, so even the error goes out as JSON
};

ParseResult ParseArguments(const std::vector<std::wstring>& args);

// "051234", "51234", "mouse:2", "keyboard:5"; nullopt for anything else.
std::optional<DeviceRef> ParseDevice(const std::wstring& text);

// The text of --help.
std::wstring UsageText();

// The verb's name as the command line spells it.
const char* VerbName(Verb verb);

}  // namespace cli
