#include "cli/core/arguments.h"

#include <cwctype>

namespace cli {
namespace {

struct VerbEntry {
  const wchar_t* text;
  Verb verb;
};

constexpr VerbEntry kVerbs[] = {
    {L"help", Verb::kHelp},       {L"list", Verb::kList},       {L"pair", Verb::kPair},
    {L"enable", Verb::kEnable},   {L"disable", Verb::kDisable}, {L"rename", Verb::kRename},
    {L"remove", Verb::kRemove},   {L"signal", Verb::kSignal},   {L"backup", Verb::kBackup},
    {L"restore", Verb::kRestore}, {L"recover", Verb::kRecover},
};

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::optional<manager::Kind> ParseKind(const std::wstring& text) {
  const std::wstring lower = Lower(text);
  if (lower == L"mouse") return manager::Kind::kMouse;
  if (lower == L"keyboard") return manager::Kind::kKeyboard;
  return std::nullopt;
}

// A whole decimal number in [low, high].
std::optional<int> ParseNumber(const std::wstring& text, int low, int high) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

const char* VerbName(Verb verb) {
  switch (verb) {
    case Verb::kHelp: return "help";
    case Verb::kList: return "list";
    case Verb::kPair: return "pair";
    case Verb::kEnable: return "enable";
    case Verb::kDisable: return "disable";
    case Verb::kRename: return "rename";
    case Verb::kRemove: return "remove";
    case Verb::kSignal: return "signal";
    case Verb::kBackup: return "backup";
    case Verb::kRestore: return "restore";
    case Verb::kRecover: return "recover";
  }
  return "help";
}

std::optional<DeviceRef> ParseDevice(const std::wstring& text) {
  DeviceRef ref;
  const size_t colon = text.find(L':');
  if (colon != std::wstring::npos) {
    const std::optional<manager::Kind> kind = ParseKind(text.substr(0, colon));
    const std::optional<int> slot = ParseNumber(text.substr(colon + 1), 1, manager::kSlots);
    if (!kind || !slot) return std::nullopt;
    ref.byCode = false;
    ref.kind = *kind;
    ref.slot = *slot;
    return ref;
  }
  if (text.empty() || text.size() > 6) return std::nullopt;
  uint32_t code = 0;
  for (wchar_t c : text) {
    const wchar_t u = static_cast<wchar_t>(std::towupper(c));
    if (u >= L'0' && u <= L'9') code = code * 16 + (u - L'0');
    else if (u >= L'A' && u <= L'F') code = code * 16 + (u - L'A' + 10);
    else return std::nullopt;
  }
  // A code is 19 bits; anything wider cannot be a paired device's code.
  if (code > manager::kIdBits) return std::nullopt;
  ref.code = code;
  return ref;
}

ParseResult ParseArguments(const std::vector<std::wstring>& args) {
  ParseResult result;
  Arguments parsed;
  std::vector<std::wstring> words;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    auto value = [&]() -> const std::wstring* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    if (arg == L"--json") {
      parsed.json = result.json = true;
    } else if (arg == L"--yes" || arg == L"-y") {
      parsed.yes = true;
    } else if (arg == L"--force") {
      parsed.force = true;
    } else if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
      words.insert(words.begin(), L"help");
    } else if (arg == L"--timeout" || arg == L"--count") {
      const std::wstring* text = value();
      const std::optional<int> number =
          text ? ParseNumber(*text, 1, arg == L"--count" ? kMaxSignalCount : kMaxPairSeconds) : std::nullopt;
      if (!number) {
        result.offending = text ? arg + L" " + *text : arg;
        return result;
      }
      (arg == L"--count" ? parsed.count : parsed.timeoutSeconds) = *number;
    } else if (arg.size() > 2 && arg.compare(0, 2, L"--") == 0) {
      result.offending = arg;
      return result;
    } else {
      words.push_back(arg);
    }
  }
  if (words.empty()) {
    result.arguments = parsed;  // no command: the usage text
    return result;
  }
  const std::wstring verb = Lower(words[0]);
  const VerbEntry* entry = nullptr;
  for (const VerbEntry& candidate : kVerbs) {
    if (verb == candidate.text) entry = &candidate;
  }
  if (entry == nullptr) {
    result.offending = words[0];
    return result;
  }
  parsed.verb = entry->verb;
  auto fail = [&](size_t index) {
    result.offending = index < words.size() ? words[index] : words[0] + L" ...";
    return result;
  };

  size_t expected = 1;
  switch (parsed.verb) {
    case Verb::kHelp:
      result.arguments = parsed;
      return result;
    case Verb::kList:
    case Verb::kSignal:
    case Verb::kRecover:
      break;
    case Verb::kPair: {
      const std::optional<manager::Kind> kind = words.size() > 1 ? ParseKind(words[1]) : std::nullopt;
      if (!kind) return fail(1);
      parsed.pairKind = *kind;
      expected = 2;
      break;
    }
    case Verb::kEnable:
    case Verb::kDisable:
    case Verb::kRemove:
    case Verb::kRename: {
      // "mouse 2" reads like "mouse:2".
      if (words.size() > 2 && ParseKind(words[1]) && ParseNumber(words[2], 1, manager::kSlots)) {
        words[1] += L":" + words[2];
        words.erase(words.begin() + 2);
      }
      const std::optional<DeviceRef> device = words.size() > 1 ? ParseDevice(words[1]) : std::nullopt;
      if (!device) return fail(1);
      parsed.device = *device;
      expected = 2;
      if (parsed.verb == Verb::kRename) {
        if (words.size() < 3) return fail(2);
        parsed.name = words[2];
        expected = 3;
      }
      break;
    }
    case Verb::kBackup:
    case Verb::kRestore:
      if (words.size() < 2 || words[1].empty()) return fail(1);
      parsed.file = words[1];
      expected = 2;
      break;
  }
  if (words.size() > expected) return fail(expected);
  result.arguments = parsed;
  return result;
}

std::wstring UsageText() {
  return L"Tandra_Cli: the receiver's paired devices from the command line.\n"
         L"\n"
         L"  Tandra_Cli list                        the receiver and every slot\n"
         L"  Tandra_Cli pair mouse|keyboard [--timeout S]\n"
         L"                                         pair one device (default 60 s)\n"
         L"  Tandra_Cli enable <device>             switch a device on\n"
         L"  Tandra_Cli disable <device> [--force]  switch a device off (--force: even the last keyboard)\n"
         L"  Tandra_Cli rename <device> <name>      name a device (at most 14 characters; \"\" clears)\n"
         L"  Tandra_Cli remove <device>             unpair a device\n"
         L"  Tandra_Cli signal [--count N]          N signal answers with their running average (default 10)\n"
         L"  Tandra_Cli backup <file>               save the configuration page and the names\n"
         L"  Tandra_Cli restore <file> [--yes]      show what would change, ask, then write it back\n"
         L"  Tandra_Cli recover                     complete an interrupted change of the receiver\n"
         L"\n"
         L"  <device>  a six-digit pairing code (051234) or a kind and slot (mouse:2, keyboard:5)\n"
         L"  --json    one JSON document on stdout instead of text\n"
         L"\n"
         L"Exit codes: 0 done, 1 write not verified, 2 bad arguments, 3 no receiver, 4 several\n"
         L"receivers, 5 unsupported receiver, 6 refused by a rule, 7 Tandra is running, 8 bad backup\n"
         L"file, 9 cancelled (or Ctrl+C), 10 no such device, 11 pairing timed out, 12 file not written.\n";
}

}  // namespace cli
