#include <gtest/gtest.h>

#include "cli/core/arguments.h"
#include "cli/core/json_writer.h"

namespace {

using cli::Verb;

struct Good {
  std::vector<std::wstring> args;
  Verb verb;
  bool json;
  const wchar_t* device;  // expected "kind:slot" or code text, "" for none
};

std::wstring DeviceText(const cli::DeviceRef& ref) {
  if (ref.byCode) return std::to_wstring(ref.code);
  return std::wstring(ref.kind == manager::Kind::kMouse ? L"mouse:" : L"keyboard:") + std::to_wstring(ref.slot);
}

TEST(CliArguments, UnderstoodCommandLines) {
  const Good cases[] = {
      {{}, Verb::kHelp, false, L""},
      {{L"--help"}, Verb::kHelp, false, L""},
      {{L"list", L"--json"}, Verb::kList, true, L""},
      {{L"--json", L"LIST"}, Verb::kList, true, L""},
      {{L"disable", L"051234"}, Verb::kDisable, false, L"332340"},  // 0x51234
      {{L"enable", L"mouse:2"}, Verb::kEnable, false, L"mouse:2"},
      {{L"enable", L"keyboard", L"5"}, Verb::kEnable, false, L"keyboard:5"},
      {{L"remove", L"5a1b2"}, Verb::kRemove, false, L"369074"},  // 0x5A1B2
      {{L"rename", L"051234", L"Desk mouse"}, Verb::kRename, false, L"332340"},
      {{L"backup", L"C:\\b.txt"}, Verb::kBackup, false, L""},
      {{L"restore", L"b.txt", L"--yes"}, Verb::kRestore, false, L""},
      {{L"recover"}, Verb::kRecover, false, L""},
      {{L"signal", L"--count", L"3"}, Verb::kSignal, false, L""},
      {{L"pair", L"keyboard", L"--timeout", L"5"}, Verb::kPair, false, L""},
  };
  for (const Good& c : cases) {
    const cli::ParseResult result = cli::ParseArguments(c.args);
    ASSERT_TRUE(result.arguments.has_value()) << (c.args.empty() ? L"" : c.args[0]).size();
    EXPECT_EQ(c.verb, result.arguments->verb);
    EXPECT_EQ(c.json, result.arguments->json);
    if (*c.device) {
      EXPECT_EQ(c.device, DeviceText(result.arguments->device));
    }
  }
  const cli::Arguments pair = *cli::ParseArguments({L"pair", L"keyboard", L"--timeout", L"5"}).arguments;
  EXPECT_EQ(manager::Kind::kKeyboard, pair.pairKind);
  EXPECT_EQ(5, pair.timeoutSeconds);
  EXPECT_EQ(L"Desk mouse", cli::ParseArguments({L"rename", L"051234", L"Desk mouse"}).arguments->name);
}

TEST(CliArguments, RefusedCommandLinesNameTheOffendingArgument) {
  const std::pair<std::vector<std::wstring>, std::wstring> cases[] = {
      {{L"frobnicate"}, L"frobnicate"},
      {{L"list", L"extra"}, L"extra"},
      {{L"disable"}, L"disable ..."},
      {{L"disable", L"1234567"}, L"1234567"},   // seven digits
      {{L"disable", L"FFFFFF"}, L"FFFFFF"},     // wider than a 19-bit code
      {{L"enable", L"mouse:6"}, L"mouse:6"},
      {{L"enable", L"tablet:1"}, L"tablet:1"},
      {{L"pair", L"tablet"}, L"tablet"},
      {{L"rename", L"051234"}, L"rename ..."},
      {{L"signal", L"--count", L"0"}, L"--count 0"},
      {{L"pair", L"mouse", L"--timeout"}, L"--timeout"},
      {{L"list", L"--colour"}, L"--colour"},
  };
  for (const auto& c : cases) {
    const cli::ParseResult result = cli::ParseArguments(c.first);
    EXPECT_FALSE(result.arguments.has_value()) << c.second.size();
    EXPECT_EQ(c.second, result.offending);
  }
  EXPECT_TRUE(cli::ParseArguments({L"--json", L"nonsense"}).json);
}

TEST(CliJson, EscapesTextAndKeepsMemberOrder) {
  cli::JsonWriter json;
  json.BeginObject().Key("name").String(L"a\"b\\c\n\x01\x00e9\x4E2D").Key("list").BeginArray().Number(-1).Bool(true)
      .Null().EndArray().Key("empty").BeginObject().EndObject().EndObject();
  EXPECT_EQ("{\"name\":\"a\\\"b\\\\c\\n\\u0001\xC3\xA9\xE4\xB8\xAD\",\"list\":[-1,true,null],\"empty\":{}}\n",
            json.Text());
}

}  // namespace
