// The receiver search and the transfer over a simulated USB tree.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "usb/hub_queries.h"
#include "usb/usb_descriptors.h"
#include "usb/usb_layout.h"
#include "simulator/usb_tree.h"
#include "tests/unit/usb/flash_device.h"

namespace {

constexpr uint16_t kVid = 0x2B6E;
constexpr uint16_t kPid = 0x054F;

class FindReceiverTest : public ::testing::Test {
 protected:
  // Builds the tree; device names "rx1", "rx2", ... are receivers created on demand.
  void Build(const std::string& description) {
    std::string error;
    const bool loaded = tree.Load(
        description,
        [this](const std::string& name) -> sim::SimUsbDevice* {
          auto& device = receivers[name];
          if (!device) device = std::make_unique<usbtest::FlashDevice>(kVid, kPid);
          return device.get();
        },
        &error);
    ASSERT_TRUE(loaded) << error;
  }

  void ExpectFound(int index, const std::string& hubPath, int port) {
    EXPECT_EQ(tree.HubName(hubPath), search.Found(index).hubName) << "entry " << index;
    EXPECT_EQ(port, search.Found(index).port) << "entry " << index;
  }

  // Every scenario, successful or not, must leave no handle and no enumeration set open.
  void TearDown() override {
    EXPECT_EQ(0, tree.OpenHandles());
    EXPECT_EQ(0, tree.OpenSets());
    EXPECT_EQ(0, tree.Misuses());
  }

  sim::UsbTree tree;
  std::map<std::string, std::unique_ptr<usbtest::FlashDevice>> receivers;
  TUsbDescriptors search{tree.Ops()};
};

TEST_F(FindReceiverTest, DescendsIntoExternalHubBeforeNextParentPort) {
  Build("controller 0 ports=4\n"
        "device 0/1 046d:c077\n"
        "hub 0/2 ports=4\n"
        "device 0/2/3 rx1\n"
        "device 0/3 rx2\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(2, search.FoundCount());
  ExpectFound(0, "0/2", 3);
  ExpectFound(1, "0", 3);
  EXPECT_EQ(search.Found(0).hubName, search.Chosen().hubName);
  EXPECT_EQ(3, search.Chosen().port);
}

TEST_F(FindReceiverTest, ListsReceiversInControllerOrderAndChoosesTheFirst) {
  Build("controller 0 ports=2\n"
        "controller 1 ports=2\n"
        "device 1/1 rx1\n"
        "device 0/2 rx2\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(2, search.FoundCount());
  ExpectFound(0, "0", 2);
  ExpectFound(1, "1", 1);
  EXPECT_EQ(tree.HubName("0"), search.Chosen().hubName);
}

TEST_F(FindReceiverTest, RootHubReachedTwiceIsListedOnce) {
  Build("controller 0 ports=2 access=both\ndevice 0/2 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  EXPECT_EQ(1, search.FoundCount());
}

TEST_F(FindReceiverTest, ReachesControllersByNumberOnlyOrByInterfaceOnly) {
  Build("controller 3 ports=1 access=number\ndevice 3/1 rx1\n"
        "controller 12 ports=1 access=interface\ndevice 12/1 rx2\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(2, search.FoundCount());
  ExpectFound(0, "3", 1);
  ExpectFound(1, "12", 1);
}

TEST_F(FindReceiverTest, TrustsExtendedConnectionInformationWithoutAskingTheDevice) {
  Build("controller 0 ports=1\ndevice 0/1 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  EXPECT_EQ(0, tree.IoctlCount(usb::kIoctlGetDescriptorFromNodeConnection));
  EXPECT_TRUE(receivers["rx1"]->log.empty());
}

TEST_F(FindReceiverTest, FindsDeviceWhoseConnectionInformationShowsOtherIds) {
  Build("controller 0 ports=1\ndevice 0/1 rx1 shows=1234:5678\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  EXPECT_EQ(1, search.FoundCount());
  // Commands check the port against what the hub driver showed, not against the search's IDs.
  uint8_t reply[1] = {0};
  uint16_t length = 0;
  EXPECT_TRUE(search.Transfer(0xBF02, 1, 1, reply, &length));
}

TEST_F(FindReceiverTest, OlderConnectionQueryIsConfirmedByTheDescriptor) {
  Build("controller 0 ports=2\n"
        "device 0/1 rx1 noex\n"
        "device 0/2 rx2 noex descriptor=fail\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(1, search.FoundCount());
  ExpectFound(0, "0", 1);
}

TEST_F(FindReceiverTest, BrokenDescriptorAnswersDoNotMatch) {
  for (const char* fault : {"fail", "short", "badlength"}) {
    sim::UsbTree local;
    std::string error;
    usbtest::FlashDevice device(kVid, kPid);
    ASSERT_TRUE(local.Load(std::string("controller 0 ports=1\ndevice 0/1 rx shows=1234:5678 ") +
                               "descriptor=" + fault + "\n",
                           [&](const std::string&) { return &device; }, &error))
        << error;
    TUsbDescriptors localSearch(local.Ops());
    EXPECT_FALSE(localSearch.FindReceiver(kVid, kPid)) << fault;
    EXPECT_EQ(0, local.OpenHandles());
    EXPECT_EQ(0, local.OpenSets());
  }
}

TEST_F(FindReceiverTest, SkipsWhatDoesNotAnswerAndGoesOn) {
  Build("controller 0 ports=4\n"
        "device 0/1 rx1 noinfo\n"
        "hub 0/2 ports=2 noopen\n"
        "device 0/2/1 rx2\n"
        "device 0/3 rx3\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(1, search.FoundCount());
  ExpectFound(0, "0", 3);
}

TEST_F(FindReceiverTest, DeviceThatNeverAnswersCostsTheSearchOnlyItsTimeLimit) {
  // A stranger whose IDs do not match is asked for its own descriptor, once in each pass.
  Build("controller 0 ports=3\n"
        "device 0/1 046d:0825 noanswer\n"
        "device 0/2 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ExpectFound(0, "0", 2);
  EXPECT_GT(tree.WaitedMs(), 0u);
  EXPECT_LE(tree.WaitedMs(), 2 * usb::kDescriptorTimeLimitMs);
}

TEST_F(FindReceiverTest, WalksHubsAsDeepAsUsbAllows) {
  Build("controller 0 ports=1\nhub 0/1\nhub 0/1/1\nhub 0/1/1/1\nhub 0/1/1/1/1\n"
        "hub 0/1/1/1/1/1\ndevice 0/1/1/1/1/1/1 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ExpectFound(0, "0/1/1/1/1/1", 1);
}

TEST_F(FindReceiverTest, KeepsTheFirstTenOfTwelveReceivers) {
  std::string description = "controller 0 ports=12\n";
  for (int port = 1; port <= 12; ++port) {
    description += "device 0/" + std::to_string(port) + " rx" + std::to_string(port) + "\n";
  }
  Build(description);
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_EQ(TUsbDescriptors::kMaxFound, search.FoundCount());
  ExpectFound(9, "0", 10);
  EXPECT_EQ(1, search.Chosen().port);
  EXPECT_FALSE(search.AddFound("extra", 1));
  EXPECT_EQ(TUsbDescriptors::kMaxFound, search.FoundCount());
}

TEST_F(FindReceiverTest, FailedSearchKeepsTheEarlierChoice) {
  Build("controller 0 ports=2\ndevice 0/2 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_TRUE(tree.Unplug("0/2"));
  EXPECT_FALSE(search.FindReceiver(kVid, kPid));
  EXPECT_EQ(0, search.FoundCount());
  EXPECT_EQ(tree.HubName("0"), search.Chosen().hubName);
  EXPECT_EQ(2, search.Chosen().port);
}

TEST_F(FindReceiverTest, ListQueriesCompareWholeNamesAndPorts) {
  ASSERT_TRUE(search.AddFound("HUB#A", 2));
  EXPECT_TRUE(search.IsListed("HUB#A", 2));
  EXPECT_FALSE(search.IsListed("HUB#A", 3));
  EXPECT_FALSE(search.IsListed("HUB#", 2));
  EXPECT_FALSE(search.IsListed("HUB#AB", 2));
}

// ---- Transfer ----

TEST_F(FindReceiverTest, TransferCarriesTheSetupAndReturnsTheReply) {
  Build("controller 0 ports=1\ndevice 0/1 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  auto& device = *receivers["rx1"];
  device.SetWord(0x2700, 0x3412);
  uint8_t reply[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  uint16_t length = 0;
  ASSERT_TRUE(search.Transfer(0xB501, 0x2700, 2, reply, &length));
  EXPECT_EQ(2, length);
  EXPECT_EQ(0x12, reply[0]);
  EXPECT_EQ(0x34, reply[1]);
  EXPECT_EQ(0xEE, reply[2]);
  ASSERT_EQ(1u, device.log.size());
  EXPECT_EQ((usbtest::Request{0xB501, 0x2700, 2}), device.log[0]);
}

TEST_F(FindReceiverTest, TransferFailsUntouchedWhenTheReceiverIsGone) {
  Build("controller 0 ports=1\ndevice 0/1 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  receivers["rx1"]->Unplug();
  uint8_t reply[2] = {0xEE, 0xEE};
  uint16_t length = 77;
  EXPECT_FALSE(search.Transfer(0xB501, 0x2700, 2, reply, &length));
  EXPECT_EQ(77, length);
  EXPECT_EQ(0xEE, reply[0]);
  // Stopped at the connection state: the request itself never reached the device.
  EXPECT_TRUE(receivers["rx1"]->log.empty());
}

TEST_F(FindReceiverTest, TransferFailsWhenTheHubNoLongerAnswersForThePort) {
  Build("controller 0 ports=1\ndevice 0/1 rx1\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  ASSERT_TRUE(tree.Unplug("0/1"));
  sim::PortOptions silent;
  silent.connectionQueriesFail = true;
  ASSERT_TRUE(tree.AddDevice("0/1", receivers["rx1"].get(), silent, nullptr));
  uint8_t reply[1] = {0};
  uint16_t length = 0;
  EXPECT_FALSE(search.Transfer(0xB504, 0, 1, reply, &length));
  EXPECT_TRUE(receivers["rx1"]->log.empty());
}

TEST_F(FindReceiverTest, TransferWithoutAnySearchTouchesNothing) {
  Build("controller 0 ports=1\ndevice 0/1 rx1\n");
  uint8_t reply[1] = {0};
  uint16_t length = 0;
  EXPECT_FALSE(search.Transfer(0xB504, 0, 1, reply, &length));
  EXPECT_EQ(0, tree.IoctlCount(usb::kIoctlGetNodeConnectionInformationEx));
}

TEST_F(FindReceiverTest, TransferUsesOlderConnectionQueryWhenExtendedFails) {
  Build("controller 0 ports=1\ndevice 0/1 rx1 noex\n");
  ASSERT_TRUE(search.FindReceiver(kVid, kPid));
  uint8_t reply[1] = {0};
  uint16_t length = 0;
  EXPECT_TRUE(search.Transfer(0xBF02, 1, 1, reply, &length));
  EXPECT_EQ(1, length);
}

}  // namespace
