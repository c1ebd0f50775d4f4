// Scenario files: every key, the defaults, and errors that name file, line and reason.
#include <gtest/gtest.h>

#include "tests/unit/simulator/sim_test_util.h"

namespace {

const std::string kDataFolder = std::string(SUITE_TEST_DATA) + "/simulator/";

TEST(SimScenario, ReadsEveryKey) {
  sim::Scenario s;
  std::string error;
  ASSERT_TRUE(sim::LoadScenarioFile(kDataFolder + "two_devices.ini", &s, &error)) << error;
  EXPECT_EQ(0x1A2B, s.vendorId);
  EXPECT_EQ(0x055F, s.productId);
  EXPECT_EQ(38, s.generation);
  EXPECT_TRUE(s.mouseSlot0Fresh);
  ASSERT_EQ(2u, s.devices.size());
  EXPECT_EQ(sim::DeviceKind::kMouse, s.devices[0].kind);
  EXPECT_EQ(0x51234u, s.devices[0].id);
  EXPECT_EQ(0x80, s.devices[0].attribute);
  EXPECT_EQ(3u, s.devices[0].after);
  EXPECT_EQ(1u, s.devices[0].session);
  EXPECT_EQ(sim::DeviceKind::kKeyboard, s.devices[1].kind);
  EXPECT_EQ(0x12345u, s.devices[1].id);
  EXPECT_EQ(2u, s.devices[1].session);
  EXPECT_EQ((std::vector<uint8_t>{200, 180}), s.signal);
  EXPECT_EQ((std::array<uint8_t, 8>{0, 0, 5, 0, 0, 0x11, 0, 7}), s.rfInfo);
  EXPECT_EQ(1000, s.unplugAfter);
  EXPECT_EQ((std::vector<uint16_t>{0xBE01, 0xBF02}), s.refusedCommands);
  EXPECT_EQ((std::vector<uint16_t>{0x2773}), s.stuckWords);
}

TEST(SimScenario, EmptyFileGivesTheDefaults) {
  sim::Scenario s;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario("; nothing\r\n\r\n[Receiver]\r\n", "empty.ini", &s, &error)) << error;
  EXPECT_EQ(sim::kDefaultVendorId, s.vendorId);
  EXPECT_EQ(0x054F, s.productId);
  EXPECT_EQ(104, s.generation);
  EXPECT_FALSE(s.mouseSlot0Fresh);
  EXPECT_TRUE(s.flashImage.empty());
  EXPECT_TRUE(s.devices.empty());
  EXPECT_EQ(-1, s.unplugAfter);
}

TEST(SimScenario, NamesAndKindsIgnoreCaseAndGenerationNone) {
  sim::Scenario s;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario("[receiver]\ngeneration=None\n[PAIRING]\ndevice7=Keyboard,12\n",
                                 "case.ini", &s, &error)) << error;
  EXPECT_EQ(sim::kNoGeneration, s.generation);
  ASSERT_EQ(1u, s.devices.size());
  EXPECT_EQ(12u, s.devices[0].id);
}

struct BadScenario {
  const char* text;
  const char* where;   // "file:line:"
  const char* reason;  // a fragment of the message
};

class SimScenarioErrors : public testing::TestWithParam<BadScenario> {};

TEST_P(SimScenarioErrors, NameFileLineAndReasonAndApplyNothing) {
  sim::Scenario s;
  s.productId = 0x4242;  // a sentinel: a failed parse must leave the scenario alone
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(GetParam().text, "bad.ini", &s, &error));
  EXPECT_EQ(0u, error.find(GetParam().where)) << error;
  EXPECT_NE(std::string::npos, error.find(GetParam().reason)) << error;
  EXPECT_EQ(0x4242, s.productId);
  EXPECT_TRUE(s.devices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimScenarioErrors,
    testing::Values(
        BadScenario{"[Receiver]\nProductId=1\n[Radio]\n", "bad.ini:3:", "unknown section [Radio]"},
        BadScenario{"[Receiver]\nProductID=1\nColour=red\n", "bad.ini:3:", "unknown key \"Colour\""},
        BadScenario{"[Receiver]\nProductId=0x54G\n", "bad.ini:2:", "bad number \"0x54G\""},
        BadScenario{"[Receiver]\nProductId=0x10000\n", "bad.ini:2:", "out of range"},
        BadScenario{"[Receiver]\nGeneration=105\n", "bad.ini:2:", "generation"},
        BadScenario{"[Pairing]\nDevice1=mouse,0x80000\n", "bad.ini:2:", "wider than 19 bits"},
        BadScenario{"[Pairing]\nDevice1=mouse,1\nDevice2=pen,2\n", "bad.ini:3:", "unknown device kind \"pen\""},
        BadScenario{"[Pairing]\nDevice1=keyboard,1,attr=3\n", "bad.ini:2:", "unknown device field"},
        BadScenario{"[Pairing]\nDevice1=mouse,1,after=0\n", "bad.ini:2:", "counts from 1"},
        BadScenario{"[Pairing]\nMouse=mouse,1\n", "bad.ini:2:", "unknown key"},
        BadScenario{"[Pairing]\nDevice1=mouse,1\n\nDevice1=mouse,2\n", "bad.ini:4:", "duplicate key"},
        BadScenario{"[RfInfo]\nChannel=32\n", "bad.ini:2:", "out of range"},
        BadScenario{"ProductId=1\n", "bad.ini:1:", "outside any section"},
        BadScenario{"[Receiver\n", "bad.ini:1:", "malformed section header"}));

TEST(SimScenario, MissingFileIsNamed) {
  sim::Scenario s;
  std::string error;
  EXPECT_FALSE(sim::LoadScenarioFile(kDataFolder + "no_such.ini", &s, &error));
  EXPECT_NE(std::string::npos, error.find("no_such.ini")) << error;
}

TEST(SimScenario, OpenWithABadScenarioCreatesNothing) {
  simtest::ScratchFiles files;
  const std::string scenarioPath = files.Path("bad.ini");
  const std::string imagePath = files.Path("flash.bin");
  simtest::WriteFile(scenarioPath, "[Receiver]\nFlashImage=" + files.Name("flash.bin") +
                                       "\n[Pairing]\nDevice1=mouse,0xFFFFF\n");
  sim::Receiver* r = nullptr;
  std::string error;
  EXPECT_FALSE(sim::Receiver::Open(scenarioPath, &r, &error));
  EXPECT_EQ(nullptr, r);
  EXPECT_NE(std::string::npos, error.find(scenarioPath + ":4:")) << error;
  EXPECT_FALSE(simtest::FileExists(imagePath));
}

}  // namespace
