// The simulator backend and DLL_Hidora.ini, which chooses it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/text_codec.h"
#include "outside/hidora/core/device_access.h"
#include "outside/hidora/core/library_config.h"
#include "outside/hidora/core/sim_backend.h"
#include "simulator/usb_tree.h"
#include "tests/unit/simulator/sim_test_util.h"

namespace {

constexpr uint16_t kVid = 0x2B6E;
constexpr uint16_t kPid = 0x054F;

hidora::DeviceAccess Simulated(int32_t receivers, sim::Receiver** receiver,
                               const sim::Scenario& scenario = sim::Scenario()) {
  auto owned = std::make_unique<sim::Receiver>(scenario);
  *receiver = owned.get();
  auto shared = std::make_shared<std::unique_ptr<sim::Receiver>>(std::move(owned));
  return hidora::DeviceAccess([shared, receivers] {
    return std::make_unique<hidora::SimBackend>(std::move(*shared), receivers);
  });
}

TEST(SimBackend, ReportsIdenticalReceiversWithTagsFromOne) {
  sim::Receiver* receiver = nullptr;
  hidora::DeviceAccess access = Simulated(2, &receiver);
  char16_t path[hidora::kPathUnits];
  uint32_t tag = 0;
  ASSERT_EQ(2, access.GetUsbDeviceFromHub(kVid, kPid, 1, path, &tag));
  EXPECT_EQ(u"SIM\\RECEIVER", std::u16string(path));
  EXPECT_EQ(2u, tag);
  EXPECT_EQ(0, access.GetUsbDeviceFromHub(kVid, 0x055F, 0, path, &tag));

  EXPECT_EQ(1, access.Write(u"SIM\\RECEIVER", 2, 0xBF01, 1, 1));
  EXPECT_TRUE(receiver->InUpdateMode());
  EXPECT_EQ(0, access.Write(u"SIM\\RECEIVER", 3, 0xBF01, 2, 1));  // unknown tag
  EXPECT_EQ(0, access.Write(u"SIM\\OTHER", 1, 0xBF01, 2, 1));
  EXPECT_TRUE(receiver->InUpdateMode());
}

TEST(SimBackend, NoneOrAVanishedReceiverCountsZero) {
  sim::Receiver* receiver = nullptr;
  char16_t path[hidora::kPathUnits];
  uint32_t tag = 0;
  hidora::DeviceAccess none = Simulated(0, &receiver);
  EXPECT_EQ(0, none.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  EXPECT_EQ(0, none.Write(u"SIM\\RECEIVER", 1, 0xBF01, 1, 1));

  hidora::DeviceAccess one = Simulated(1, &receiver);
  receiver->Unplug();
  EXPECT_EQ(0, one.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  uint8_t record[8];
  EXPECT_EQ(0, one.Read(u"SIM\\RECEIVER", 1, 0xB600, 4, 8, record));
}

class LibraryConfigTest : public ::testing::Test {
 protected:
  hidora::LibraryConfig Parse(const std::string& text) {
    return hidora::ParseLibraryConfig(framework::IniFile::FromBytes(text), L"C:\\App\\DLL\\");
  }
};

TEST_F(LibraryConfigTest, WithoutTheFileTheRealTreeIsUsed) {
  const hidora::LibraryConfig config = hidora::ParseLibraryConfig(framework::IniFile(), L"C:\\");
  EXPECT_FALSE(config.simulator);
  sim::UsbTree tree;
  auto backend = hidora::MakeBackend(config, tree.Ops(), nullptr);
  uint32_t tag = 0;
  std::u16string path;
  EXPECT_EQ(0, backend->Find(kVid, kPid, 0, &path, &tag));  // an empty tree, searched
}

TEST_F(LibraryConfigTest, BrokenSettingsLeaveNoCount) {
  for (const char* text : {"[Simulator]\n", "[Simulator]\nScenario=\n",
                           "[Simulator]\nScenario=a.ini\nReceivers=11\n",
                           "[Simulator]\nScenario=a.ini\nReceivers=-1\n",
                           "[Simulator]\nScenario=a.ini\nReceivers=two\n"}) {
    const hidora::LibraryConfig config = Parse(text);
    EXPECT_TRUE(config.simulator) << text;
    EXPECT_FALSE(config.error.empty()) << text;
    sim::UsbTree tree;
    auto backend = hidora::MakeBackend(config, tree.Ops(), nullptr);
    std::u16string path;
    uint32_t tag = 0;
    EXPECT_EQ(-1, backend->Find(kVid, kPid, 0, &path, &tag)) << text;
  }
}

std::string Utf8(const std::wstring& path) { return framework::EncodeUtf8(path); }

TEST_F(LibraryConfigTest, ScenarioFileDrivesTheSimulatedReceiver) {
  simtest::ScratchFiles files;
  const std::string scenario = files.Path("scenario.ini");
  const std::string image = files.Path("flash.bin");
  simtest::WriteFile(scenario, "[Receiver]\nFlashImage=" + files.Name("flash.bin") +
                                   "\n[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\n");
  // Named relative to the library's folder, receiver count left to its default.
  const std::string folder = scenario.substr(0, scenario.find_last_of("/\\") + 1);
  hidora::LibraryConfig config = hidora::ParseLibraryConfig(
      framework::IniFile::FromBytes("[Simulator]\nScenario=" + files.Name("scenario.ini") + "\n"),
      framework::DecodeUtf8(folder));
  EXPECT_EQ(framework::DecodeUtf8(scenario), config.scenarioPath);
  sim::UsbTree tree;
  auto backend = hidora::MakeBackend(config, tree.Ops(), Utf8);
  std::u16string path;
  uint32_t tag = 0;
  ASSERT_EQ(1, backend->Find(kVid, kPid, 0, &path, &tag));
  uint8_t reply[2];
  uint16_t got = 0;
  ASSERT_TRUE(backend->Transfer(path, static_cast<uint16_t>(tag), 0xB501, 0x058F, 2, reply, &got));
  EXPECT_EQ(0xA4, reply[1]);  // generation 104 from the factory image
  EXPECT_TRUE(simtest::FileExists(image));

  config.scenarioPath = framework::DecodeUtf8(files.Path("missing.ini"));
  backend = hidora::MakeBackend(config, tree.Ops(), Utf8);
  EXPECT_EQ(-1, backend->Find(kVid, kPid, 0, &path, &tag));
}

}  // namespace
