// The commands against a simulated receiver reached as the host reaches it, with the names file and
// the page journal in memory.
#include <gtest/gtest.h>

#include "cli/core/backup_file.h"
#include "cli/core/cli_run.h"
#include "framework/core/text_codec.h"
#include "tests/unit/host/receiver_fixture.h"
#include "tests/unit/support/memory_files.h"

namespace {

constexpr uint32_t kMouseA = 0x51234, kMouseB = 0x60B0C, kKeyboardA = 0x3A2B3, kKeyboardB = 0x2B3C4;
constexpr int kMouseSlot1 = 114, kMouseSlot2 = 32, kKeyboardSlot1 = 116, kKeyboardSlot2 = 64;

class CliCommands : public hosttest::ReceiverFixture {
 protected:
  void SetUp() override {
    // Reports at the third status read of a pairing run: after a second of polling.
    scenario.devices.push_back({sim::DeviceKind::kKeyboard, kKeyboardB, 0, 3, 1});
    Connect();
    SetSlot(kMouseSlot1, kMouseA);
    SetSlot(kMouseSlot2, kMouseB);
    SetSlot(kKeyboardSlot1, kKeyboardA);
    ports.library = library.get();
    ports.journal = &journal;
    ports.nameOps = files.Ops();
    ports.nameFolder = testfiles::kUserFolder;
    ports.hostRunning = [this] { return hostRunning; };
    ports.wait = [](uint32_t) {};
    ports.readFile = files.Ops().read;
    ports.writeFile = files.Ops().write;
    ports.confirm = [this](const std::wstring& text) {
      confirmText = text;
      return confirmAnswer;
    };
  }

  cli::CliResult Run(std::vector<std::wstring> args) { return cli::RunCli(args, ports); }

  testfiles::MemoryFiles files;
  receiver::PageJournal journal{files.Ops(), testfiles::kUserFolder};
  cli::CliPorts ports;
  bool hostRunning = false;
  bool confirmAnswer = false;
  std::wstring confirmText;
};

TEST_F(CliCommands, ListGivesTheReceiverAndEverySlotAsJson) {
  ports.activeCount = 4;
  SetSlot(88, kKeyboardB);  // keyboard slot 5: hidden with four rows
  const cli::CliResult result = Run({L"list", L"--json"});
  EXPECT_EQ(0, result.exitCode);
  EXPECT_EQ(0u, result.out.find("{\"command\":\"list\",\"receiver\":{\"count\":1,\"generation\":"));
  EXPECT_NE(std::string::npos, result.out.find(
      "{\"kind\":\"mouse\",\"slot\":1,\"code\":\"051234\",\"enabled\":true,\"name\":\"\",\"state\":\"paired\"},"
      "{\"kind\":\"mouse\",\"slot\":2,\"code\":\"060B0C\""));
  EXPECT_NE(std::string::npos, result.out.find(
      "{\"kind\":\"mouse\",\"slot\":3,\"code\":null,\"enabled\":false,\"name\":\"\",\"state\":\"empty\"}"));
  EXPECT_NE(std::string::npos, result.out.find("\"slot\":5,\"code\":\"02B3C4\",\"enabled\":true,\"name\":\"\",\"state\":\"hidden\""));
  EXPECT_NE(std::string::npos, result.out.find("\"ok\":true,\"exit\":0}\n"));
  EXPECT_TRUE(result.err.empty());
}

TEST_F(CliCommands, ReceiverCheckFailuresHaveTheirOwnExitCodes) {
  fake->receivers = 2;
  cli::CliResult result = Run({L"list", L"--json"});
  EXPECT_EQ(4, result.exitCode);
  EXPECT_NE(std::string::npos, result.out.find("\"ok\":false,\"exit\":4,\"error\":\"several-receivers\""));
  EXPECT_EQ(L"More than one receiver is plugged in. Please leave only one receiver connected.\n", result.err);
  fake->receivers = 0;
  EXPECT_EQ(3, Run({L"list"}).exitCode);
  fake->receivers = 1;
  receiver->SetWord(0x058F, 0xFFFF);
  receiver->SetWord(0x2701, 0xA437);
  result = Run({L"list"});
  EXPECT_EQ(5, result.exitCode);
  EXPECT_EQ(L"This receiver (generation 37) is not supported.\n", result.err);
  result = Run({L"list", L"now", L"--json"});
  EXPECT_EQ(2, result.exitCode);
  EXPECT_EQ(0u, result.out.find("{\"command\":null,\"ok\":false,\"exit\":2,\"error\":\"bad-arguments\""));
}

TEST_F(CliCommands, WritesAreRefusedWhileTheHostRunsButListingIsNot) {
  hostRunning = true;
  const std::vector<uint16_t> before = Page();
  for (const auto& args : std::vector<std::vector<std::wstring>>{
           {L"disable", L"060B0C"}, {L"rename", L"051234", L"x"}, {L"remove", L"mouse:2"},
           {L"restore", L"b.txt", L"--yes"}, {L"recover"}, {L"pair", L"mouse"}}) {
    files.files[L"b.txt"] = "";
    EXPECT_EQ(args[0] == L"restore" ? 8 : 7, Run(args).exitCode) << args[0].size();
  }
  EXPECT_EQ(before, Page());
  EXPECT_EQ(0, Run({L"list"}).exitCode);
}

TEST_F(CliCommands, TheManagersRulesHold) {
  // Two mice: one can go off, the other then must stay on.
  EXPECT_EQ(0, Run({L"disable", L"mouse:2"}).exitCode);
  EXPECT_EQ(0x800000u | kMouseB, (uint32_t(PageWord(kMouseSlot2)) << 16 | PageWord(kMouseSlot2 + 1)) & 0xFFFFFF);
  const std::vector<uint16_t> oneMouseOn = Page();
  cli::CliResult result = Run({L"disable", L"051234"});
  EXPECT_EQ(6, result.exitCode);
  EXPECT_EQ(L"The last working mouse cannot be switched off or removed.\n", result.err);
  EXPECT_EQ(6, Run({L"remove", L"051234"}).exitCode);
  EXPECT_EQ(oneMouseOn, Page());
  // The last keyboard goes off only with --force.
  EXPECT_EQ(6, Run({L"disable", L"03A2B3"}).exitCode);
  EXPECT_EQ(oneMouseOn, Page());
  EXPECT_EQ(0, Run({L"disable", L"03A2B3", L"--force"}).exitCode);
  EXPECT_EQ(0x80u | (kKeyboardA >> 16), PageWord(kKeyboardSlot1));
  EXPECT_EQ(0, Run({L"enable", L"keyboard:1"}).exitCode);
  EXPECT_EQ(kKeyboardA >> 16, PageWord(kKeyboardSlot1));
  EXPECT_EQ(10, Run({L"enable", L"077777"}).exitCode);
  EXPECT_EQ(10, Run({L"enable", L"keyboard:3"}).exitCode);
  // Hidden slots are not the tool's to change, as they are not the manager's.
  ports.activeCount = 1;
  EXPECT_EQ(6, Run({L"enable", L"060B0C"}).exitCode);
}

TEST_F(CliCommands, RemoveCompactsAndRenameReachesTheNamesFile) {
  SetSlot(40, 0x33333);  // mouse slot 3
  EXPECT_EQ(0, Run({L"rename", L"060B0C", L"Desk mouse"}).exitCode);
  EXPECT_NE(std::string::npos, files.files[std::wstring(testfiles::kUserFolder) + L"DeviceNames.ini"].find("060B0C=Desk mouse"));
  EXPECT_EQ(2, Run({L"rename", L"060B0C", L"A name far too long"}).exitCode);
  EXPECT_EQ(0, Run({L"remove", L"051234"}).exitCode);
  // Slot 1 emptied: the devices below move up one, the last shown slot becomes free.
  EXPECT_EQ(kMouseB & 0xFFFF, PageWord(kMouseSlot1 + 1));
  EXPECT_EQ(0x3333u, PageWord(kMouseSlot2 + 1));
  EXPECT_EQ(0xFFFFu, PageWord(40 + 1));
  const cli::CliResult list = Run({L"list", L"--json"});
  EXPECT_NE(std::string::npos, list.out.find("\"slot\":1,\"code\":\"060B0C\",\"enabled\":true,\"name\":\"Desk mouse\""));
}

TEST_F(CliCommands, BackupThenRestoreOntoAPageThatLostTwoDevices) {
  Run({L"rename", L"03A2B3", L"Office keys"});
  ASSERT_EQ(0, Run({L"backup", L"b.txt"}).exitCode);
  const std::vector<uint16_t> saved = Page();
  ASSERT_EQ(0, Run({L"remove", L"060B0C"}).exitCode);
  ASSERT_EQ(0, Run({L"remove", L"03A2B3"}).exitCode);
  ASSERT_NE(saved, Page());

  confirmAnswer = false;
  EXPECT_EQ(9, Run({L"restore", L"b.txt"}).exitCode);
  EXPECT_NE(std::wstring::npos, confirmText.find(L"mouse:2: empty -> 060B0C"));
  EXPECT_NE(std::wstring::npos, confirmText.find(L"keyboard:1: empty -> 03A2B3 \"Office keys\""));
  confirmAnswer = true;
  const cli::CliResult result = Run({L"restore", L"b.txt", L"--json"});
  EXPECT_EQ(0, result.exitCode);
  EXPECT_NE(std::string::npos, result.out.find("\"written\":true"));
  EXPECT_EQ(saved, Page());
  EXPECT_FALSE(journal.Pending().has_value());
  EXPECT_NE(std::string::npos, Run({L"list", L"--json"}).out.find("\"code\":\"03A2B3\",\"enabled\":true,\"name\":\"Office keys\""));
  EXPECT_EQ(0, Run({L"restore", L"b.txt"}).exitCode);  // nothing left to change: no question
}

TEST_F(CliCommands, DamagedOrForeignBackupsAreNeverWritten) {
  ASSERT_EQ(0, Run({L"backup", L"b.txt"}).exitCode);
  const std::string good = files.files[L"b.txt"];
  ASSERT_TRUE(cli::ParseBackup(good).has_value());
  std::string flipped = good;
  flipped[flipped.find("[Page]") + 12] ^= 1;
  std::string noRow = good;
  noRow.erase(noRow.find("20="), 68);
  std::string newGeneration = good;
  newGeneration.replace(newGeneration.find("Generation="), 14, "Generation=105");
  // The checksum matches again after a changed line: still not this receiver's generation.
  cli::Backup other = *cli::ParseBackup(good);
  other.generation = 40;
  for (const std::string& bad : {flipped, good.substr(0, good.size() / 2), noRow, newGeneration,
                                 std::string("Checksum=00000000\r\n"), std::string("\xFF\xFE")}) {
    EXPECT_FALSE(cli::ParseBackup(bad).has_value());
  }
  SetSlot(kMouseSlot2, 0xFFFFFF);
  const std::vector<uint16_t> page = Page();
  files.files[L"bad.txt"] = flipped;
  EXPECT_EQ(8, Run({L"restore", L"bad.txt", L"--yes"}).exitCode);
  files.files[L"other.txt"] = cli::SerializeBackup(other);
  const cli::CliResult result = Run({L"restore", L"other.txt", L"--yes"});
  EXPECT_EQ(8, result.exitCode);
  EXPECT_NE(std::wstring::npos, result.err.find(L"generation 40"));
  EXPECT_EQ(8, Run({L"restore", L"missing.txt", L"--yes"}).exitCode);
  EXPECT_EQ(page, Page());
}

TEST_F(CliCommands, PairTakesTheFirstDeviceThatReportsAndStopsPairing) {
  std::vector<std::wstring> countdown;
  ports.progress = [&](const std::wstring& line) { countdown.push_back(line); };
  const cli::CliResult result = Run({L"pair", L"mouse", L"--timeout", L"5", L"--json"});
  EXPECT_EQ(0, result.exitCode);
  EXPECT_NE(std::string::npos, result.out.find("\"kind\":\"keyboard\",\"code\":\"02B3C4\",\"slot\":2,\"replaced\":null,\"asked\":\"mouse\""));
  EXPECT_EQ(kKeyboardB & 0xFFFF, PageWord(kKeyboardSlot2 + 1));
  EXPECT_FALSE(receiver->InPairingMode());
  EXPECT_EQ((std::vector<std::wstring>{L"Take the batteries out of the mouse and put them back now.", L"5 s", L"4 s"}),
            countdown);
}

TEST_F(CliCommands, CtrlCEndsPairingWithPairingModeOff) {
  ports.interrupted = [] { return true; };
  EXPECT_EQ(9, Run({L"pair", L"keyboard"}).exitCode);
  EXPECT_FALSE(receiver->InPairingMode());
  EXPECT_EQ(0xFFFFu, PageWord(kKeyboardSlot2 + 1));
}

TEST_F(CliCommands, SignalAveragesEveryFiveAnswers) {
  const cli::CliResult result = Run({L"signal", L"--count", L"6", L"--json"});
  EXPECT_EQ(0, result.exitCode);
  EXPECT_NE(std::string::npos, result.out.find("\"answers\":["));
  size_t answers = 0;
  for (size_t at = 0; (at = result.out.find("\"signal\":", at + 1)) != std::string::npos;) ++answers;
  EXPECT_EQ(6u, answers);
  // Five answers of the scenario's signal make the first average; the sixth starts a new window.
  EXPECT_NE(std::string::npos, result.out.find("\"average\":0},{"));
}

}  // namespace
