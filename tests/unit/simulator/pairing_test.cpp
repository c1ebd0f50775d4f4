// Pairing sessions: when scripted devices report and what the status record shows.
#include <gtest/gtest.h>

#include "tests/unit/simulator/sim_test_util.h"

using simtest::Send;
using simtest::Status;

namespace {

using Record = std::array<uint8_t, 8>;

sim::ScriptedDevice Mouse(uint32_t id, uint32_t after, uint8_t attribute = 0x80, uint32_t session = 1) {
  sim::ScriptedDevice d;
  d.kind = sim::DeviceKind::kMouse;
  d.id = id;
  d.attribute = attribute;
  d.after = after;
  d.session = session;
  return d;
}

sim::ScriptedDevice Keyboard(uint32_t id, uint32_t after, uint32_t session = 1) {
  sim::ScriptedDevice d = Mouse(id, after, 0, session);
  d.kind = sim::DeviceKind::kKeyboard;
  return d;
}

sim::Receiver WithDevices(std::vector<sim::ScriptedDevice> devices) {
  sim::Scenario scenario;
  scenario.devices = std::move(devices);
  return sim::Receiver(scenario);
}

TEST(SimPairing, DeviceReportsAtItsReadOfTheSession) {
  sim::Receiver r = WithDevices({Mouse(0x51234, 3)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_TRUE(r.InPairingMode());
  EXPECT_EQ(Record{}, Status(r));
  EXPECT_EQ(Record{}, Status(r));
  EXPECT_EQ((Record{0x05, 0x12, 0x34, 0, 0, 0, 0x20, 0x80}), Status(r));
  // It stays in the record for the rest of the session, and after it.
  EXPECT_EQ(0x20, Status(r)[6]);
  ASSERT_TRUE(Send(r, 0xBF02, 0));
  EXPECT_FALSE(r.InPairingMode());
  EXPECT_EQ((Record{0x05, 0x12, 0x34, 0, 0, 0, 0x20, 0x80}), Status(r));
}

TEST(SimPairing, ReadsOutsidePairingModeDoNotCount) {
  sim::Receiver r = WithDevices({Mouse(0x00001, 2)});
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Record{}, Status(r));
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0, Status(r)[6]);
  EXPECT_EQ(0x20, Status(r)[6]);
}

TEST(SimPairing, MouseAndKeyboardAtTheSameReadSetBothFlags) {
  sim::Receiver r = WithDevices({Mouse(0x7FFFF, 2, 0x3F), Keyboard(0x40A0B, 2)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  Status(r);
  EXPECT_EQ((Record{0x07, 0xFF, 0xFF, 0x04, 0x0A, 0x0B, 0x60, 0x3F}), Status(r));
}

TEST(SimPairing, ReportedDeviceStaysPairedInLaterSessions) {
  sim::Receiver r = WithDevices({Mouse(0x51234, 1), Keyboard(0x12345, 2)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0x20, Status(r)[6]);
  ASSERT_TRUE(Send(r, 0xBF02, 0));

  ASSERT_TRUE(Send(r, 0xBF02, 1));  // a new session clears the record and the count
  EXPECT_EQ(Record{}, Status(r));
  const Record second = Status(r);
  EXPECT_EQ(0x40, second[6]) << "the mouse does not report again";
  EXPECT_EQ((Record{0, 0, 0, 0x01, 0x23, 0x45, 0x40, 0}), second);
  EXPECT_EQ(2u, r.PairingSessions());
}

TEST(SimPairing, StartingAgainWhilePairingBeginsANewSession) {
  sim::Receiver r = WithDevices({Mouse(0x00010, 3)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  Status(r);
  Status(r);
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0, Status(r)[6]);
  EXPECT_EQ(0, Status(r)[6]);
  EXPECT_EQ(0x20, Status(r)[6]);
}

TEST(SimPairing, SessionNumberDelaysTheReport) {
  sim::Receiver r = WithDevices({Keyboard(0x00022, 1, 2)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0, Status(r)[6]);
  EXPECT_EQ(0, Status(r)[6]);
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0x40, Status(r)[6]);
}

TEST(SimPairing, SecondMouseWaitsForTheNextSession) {
  sim::Receiver r = WithDevices({Mouse(0x00001, 1), Mouse(0x00002, 1)});
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0x01, Status(r)[2]);
  EXPECT_EQ(0x01, Status(r)[2]);
  ASSERT_TRUE(Send(r, 0xBF02, 1));
  EXPECT_EQ(0x02, Status(r)[2]);
}

TEST(SimRfInfo, RecordComesFromTheScenarioWithSignalCycling) {
  sim::Scenario scenario;
  scenario.rfInfo = {0x01, 0x99, 0x05, 0x03, 0x04, 0x11, 0x06, 0x07};
  sim::Receiver fixed(scenario);
  Record rf{};
  ASSERT_TRUE(simtest::ReadRecord(fixed, 4, &rf));
  EXPECT_EQ(scenario.rfInfo, rf);

  scenario.signal = {200, 100};
  sim::Receiver cycling(scenario);
  std::vector<uint8_t> seen;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(simtest::ReadRecord(cycling, 4, &rf));
    seen.push_back(rf[1]);
    EXPECT_EQ(0x11, rf[5]);
  }
  EXPECT_EQ((std::vector<uint8_t>{200, 100, 200}), seen);
}

}  // namespace
