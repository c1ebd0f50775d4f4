// The real backend over a simulated USB tree: receivers found by the hub search, addressed by hub
// name and port, and gone when unplugged.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "outside/hidora/core/device_access.h"
#include "outside/hidora/core/usb_backend.h"
#include "simulator/receiver.h"
#include "simulator/usb_tree.h"
#include "usb/usb_layout.h"

namespace {

constexpr uint16_t kVid = 0x2B6E;
constexpr uint16_t kPid = 0x054F;

class UsbBackendTest : public ::testing::Test {
 protected:
  // Device names "rx<n>" are simulated receivers whose word 0x1000 holds n.
  void Build(const std::string& description) {
    std::string error;
    ASSERT_TRUE(tree.Load(
        description,
        [this](const std::string& name) -> sim::SimUsbDevice* {
          auto& device = receivers[name];
          if (!device) {
            device = std::make_unique<sim::Receiver>(sim::Scenario());
            device->SetWord(0x1000, static_cast<uint16_t>(std::stoi(name.substr(2))));
          }
          return device.get();
        },
        &error))
        << error;
  }

  uint16_t WordVia(const char16_t* path, uint32_t tag) {
    uint8_t bytes[2] = {0, 0};
    if (access.Read(path, tag, 0xB501, 0x1000, 2, bytes) != 1) return 0xDEAD;
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
  }

  void TearDown() override {
    EXPECT_EQ(0, tree.OpenHandles());
    EXPECT_EQ(0, tree.OpenSets());
  }

  sim::UsbTree tree;
  std::map<std::string, std::unique_ptr<sim::Receiver>> receivers;
  hidora::DeviceAccess access{
      [this] { return std::make_unique<hidora::UsbBackend>(tree.Ops()); }};
  char16_t path[hidora::kPathUnits] = {};
  uint32_t tag = 0;
};

TEST_F(UsbBackendTest, ReceiverBehindAHubIsAddressedByHubNameAndPort) {
  Build("controller 0 ports=4\n"
        "device 0/1 046d:c077\n"
        "hub 0/2 ports=4\n"
        "device 0/2/3 rx7\n");
  ASSERT_EQ(1, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  const std::string hub = tree.HubName("0/2");
  EXPECT_EQ(std::u16string(hub.begin(), hub.end()), std::u16string(path));
  EXPECT_EQ(3u, tag);
  EXPECT_EQ(7, WordVia(path, tag));
  EXPECT_EQ(1, access.Write(path, tag, 0xBF01, 1, 1));
  EXPECT_TRUE(receivers["rx7"]->InUpdateMode());
}

TEST_F(UsbBackendTest, EachIndexReachesItsOwnReceiver) {
  Build("controller 0 ports=2\ncontroller 1 ports=2\ndevice 0/2 rx1\ndevice 1/1 rx2\n");
  char16_t second[hidora::kPathUnits] = {};
  uint32_t secondTag = 0;
  ASSERT_EQ(2, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  ASSERT_EQ(2, access.GetUsbDeviceFromHub(kVid, kPid, 1, second, &secondTag));
  EXPECT_EQ(1, WordVia(path, tag));
  EXPECT_EQ(2, WordVia(second, secondTag));
  EXPECT_EQ(0, access.GetUsbDeviceFromHub(kVid, 0x055F, 0, path, &tag));
}

TEST_F(UsbBackendTest, VanishedReceiverAndUnknownPlacesFail) {
  Build("controller 0 ports=4\ndevice 0/2 rx1\n");
  ASSERT_EQ(1, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  EXPECT_EQ(0, access.Write(path, 1, 0xBF01, 1, 1));    // empty port
  EXPECT_EQ(0, access.Write(path, 0, 0xBF01, 1, 1));    // no port 0
  EXPECT_EQ(0, access.Write(path, 256, 0xBF01, 1, 1));  // tag beyond any hub
  EXPECT_EQ(0, access.Write(u"NO#SUCH#HUB", tag, 0xBF01, 1, 1));
  EXPECT_EQ(0, access.Write(u"HUB\u0100", tag, 0xBF01, 1, 1));

  receivers["rx1"]->Unplug();
  EXPECT_EQ(0, access.Write(path, tag, 0xBF01, 1, 1));
  EXPECT_EQ(0, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
}

TEST_F(UsbBackendTest, DeviceSwappedIntoTheReceiversPortGetsNoCommand) {
  Build("controller 0 ports=2\ndevice 0/1 rx1\n");
  ASSERT_EQ(1, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  ASSERT_EQ(1, access.Write(path, tag, 0xBF01, 1, 1));
  ASSERT_TRUE(tree.Unplug("0/1"));
  ASSERT_TRUE(tree.AddPlainDevice("0/1", 0x046D, 0xC52B, {}, nullptr));
  const int sent = tree.IoctlCount(usb::kIoctlGetDescriptorFromNodeConnection);
  EXPECT_EQ(0, access.Write(path, tag, 0xB502, 0x2700, 1));
  EXPECT_EQ(sent, tree.IoctlCount(usb::kIoctlGetDescriptorFromNodeConnection));
}

TEST_F(UsbBackendTest, AllocationFailureOnTheUsbPathIsAFailedCallNotAnException) {
  Build("controller 0 ports=2\ndevice 0/1 rx1\n");
  ASSERT_EQ(1, access.GetUsbDeviceFromHub(kVid, kPid, 0, path, &tag));
  tree.SetOutOfMemory(true);
  char16_t other[hidora::kPathUnits] = {u'x', 0};
  uint32_t otherTag = 77;
  EXPECT_EQ(-1, access.GetUsbDeviceFromHub(kVid, kPid, 0, other, &otherTag));
  EXPECT_EQ(u'x', other[0]);
  EXPECT_EQ(77u, otherTag);
  EXPECT_EQ(0, access.Write(path, tag, 0xBF01, 1, 1));
  uint8_t bytes[2] = {0xEE, 0xEE};
  EXPECT_EQ(0, access.Read(path, tag, 0xB501, 0x1000, 2, bytes));
  EXPECT_EQ(0xEE, bytes[0]);
  // Nothing was left half done: memory back, the same receiver answers.
  tree.SetOutOfMemory(false);
  EXPECT_EQ(1, WordVia(path, tag));
}

TEST(HubNamePath, EveryByteComesBackIntact) {
  const std::string name = "USB#ROOT_HUB\xE9#\x80\xFF";
  std::string back;
  ASSERT_TRUE(hidora::PathToHubName(hidora::HubNameToPath(name), &back));
  EXPECT_EQ(name, back);
  EXPECT_FALSE(hidora::PathToHubName(u"", &back));
}

}  // namespace
