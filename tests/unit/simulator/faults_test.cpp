// Injected faults and the transfer log.
#include <gtest/gtest.h>

#include "tests/unit/simulator/sim_test_util.h"

using simtest::ProgramWord;
using simtest::Send;

namespace {

TEST(SimFaults, UnplugAfterNTransfers) {
  sim::Scenario scenario;
  scenario.unplugAfter = 3;
  sim::Receiver r(scenario);
  EXPECT_TRUE(Send(r, 0xBE01, 6));
  EXPECT_TRUE(Send(r, 0xBE01, 7));
  EXPECT_TRUE(r.Connected());
  EXPECT_TRUE(Send(r, 0xBE01, 8));
  EXPECT_FALSE(r.Connected());
  EXPECT_FALSE(Send(r, 0xBE01, 9));
  EXPECT_FALSE(Send(r, 0xB600, 4, 8));
  EXPECT_EQ(8, r.Parameter(1));
  ASSERT_EQ(5u, r.Log().size());
  EXPECT_TRUE(r.Log()[2].ok);
  EXPECT_FALSE(r.Log()[3].ok);
}

TEST(SimFaults, UnplugAfterZeroIsAbsentFromTheStart) {
  sim::Scenario scenario;
  scenario.unplugAfter = 0;
  sim::Receiver r(scenario);
  EXPECT_FALSE(r.Connected());
  EXPECT_FALSE(Send(r, 0xBF02, 1));
}

TEST(SimFaults, RefusedCommandFailsAndLeavesTheReplyAlone) {
  sim::Scenario scenario;
  scenario.refusedCommands = {0xB600, 0xBF01};
  sim::Receiver r(scenario);
  std::array<uint8_t, 8> record;
  record.fill(0xCC);
  uint16_t n = 77;
  EXPECT_FALSE(r.ControlIn(0xB600, 4, 8, record.data(), &n));
  EXPECT_EQ(0xCC, record[0]);
  EXPECT_EQ(77, n);
  EXPECT_FALSE(Send(r, 0xBF01, 1));
  EXPECT_FALSE(r.InUpdateMode());
  EXPECT_TRUE(Send(r, 0xBF02, 1));
}

TEST(SimFaults, StuckWordKeepsItsBitsSoReadBackFails) {
  sim::Scenario scenario;
  scenario.stuckWords = {0x2773};
  sim::Receiver r(scenario);
  ASSERT_TRUE(Send(r, 0xBF01, 1));
  EXPECT_TRUE(ProgramWord(r, 0x2773, 0x1234));  // the command itself is taken
  EXPECT_EQ(0xFFFF, r.Word(0x2773));
  EXPECT_TRUE(ProgramWord(r, 0x2772, 0x0005));
  EXPECT_EQ(0x0005, r.Word(0x2772));

  r.SetWord(0x2773, 0x0000);
  ASSERT_TRUE(Send(r, 0xB502, 0x2700));
  EXPECT_EQ(0x0000, r.Word(0x2773)) << "nor does erasing change it";
  EXPECT_EQ(0xFFFF, r.Word(0x2772));
}

TEST(SimFaults, LogRecordsEveryRequest) {
  sim::Scenario scenario;
  scenario.refusedCommands = {0xB502};
  sim::Receiver r(scenario);
  Send(r, 0xB504, 0xA405);
  Send(r, 0xB502, 0x2700);
  Send(r, 0xB501, 0x2772, 4);
  ASSERT_EQ(3u, r.Log().size());
  const sim::TransferRecord& load = r.Log()[0];
  EXPECT_EQ(0xB504, load.wValue);
  EXPECT_EQ(0xA405, load.wIndex);
  EXPECT_EQ(1, load.wLength);
  EXPECT_TRUE(load.ok);
  EXPECT_FALSE(r.Log()[1].ok);
  EXPECT_EQ(4, r.Log()[2].wLength);
  r.ClearLog();
  EXPECT_TRUE(r.Log().empty());
}

TEST(SimFaults, TextLogHasOneLinePerTransfer) {
  simtest::ScratchFiles files;
  const std::string scenarioPath = files.Path("log.ini");
  const std::string logPath = files.Path("transfers.log");
  simtest::WriteFile(scenarioPath, "[Receiver]\nTransferLog=" + files.Name("transfers.log") +
                                       "\n[Faults]\nRefuse=0xBF02\n");
  sim::Receiver* r = nullptr;
  std::string error;
  ASSERT_TRUE(sim::Receiver::Open(scenarioPath, &r, &error)) << error;
  Send(*r, 0xB504, 0xA405);
  Send(*r, 0xBF02, 1);
  EXPECT_EQ("B504 A405 0001 ok\nBF02 0001 0001 fail\n", simtest::ReadFile(logPath));
  delete r;
}

}  // namespace
