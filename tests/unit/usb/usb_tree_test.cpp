// The simulated USB tree: its hub driver answers on raw buffers and its text description.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "usb/hub_queries.h"
#include "usb/usb_layout.h"
#include "simulator/usb_plain_device.h"
#include "simulator/usb_tree.h"

namespace {

class UsbTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(tree.Load("controller 0 ports=3  # root\n"
                          "hub 0/2 ports=2\n"
                          "device 0/2/1 046d:c077\n"
                          "device 0/3 plain descriptor=short\n",
                          [this](const std::string& name) -> sim::SimUsbDevice* {
                            return name == "plain" ? &plain : nullptr;
                          },
                          &error))
        << error;
  }

  bool Ioctl(usb::PlatformHandle handle, uint32_t code, std::vector<uint8_t>* buffer,
             uint32_t* bytes) {
    const auto size = static_cast<uint32_t>(buffer->size());
    return ops().deviceIoControl(ops().context, handle, code, buffer->data(), size,
                                 buffer->data(), size, bytes, usb::kDescriptorTimeLimitMs);
  }
  const usb::UsbPlatformOps& ops() { return tree.Ops(); }
  usb::PlatformHandle Open(const std::string& path) {
    return ops().openPath(ops().context, path.c_str());
  }
  void Close(usb::PlatformHandle handle) { ops().closeHandle(ops().context, handle); }

  sim::PlainUsbDevice plain{0x2B6E, 0x055F};
  sim::UsbTree tree;
};

TEST_F(UsbTreeTest, RootHubNameFollowsTheTwoCallProtocol) {
  const usb::PlatformHandle controller = Open("\\\\.\\HCD0");
  ASSERT_NE(usb::kInvalidHandle, controller);
  std::vector<uint8_t> head(6, 0);
  uint32_t bytes = 0;
  ASSERT_TRUE(Ioctl(controller, usb::kIoctlGetRootHubName, &head, &bytes));
  EXPECT_EQ(6u, bytes);
  const std::string name = tree.HubName("0");
  const uint32_t actualLength = usb::ReadLe32(head.data());
  EXPECT_EQ(4 + 2 * (name.size() + 1), actualLength);

  std::vector<uint8_t> whole(actualLength, 0);
  ASSERT_TRUE(Ioctl(controller, usb::kIoctlGetRootHubName, &whole, &bytes));
  EXPECT_EQ(actualLength, bytes);
  EXPECT_EQ(name, usb::NarrowAscii(usb::ReadWideName(whole.data(), bytes, 4)));

  std::vector<uint8_t> tooSmall(5, 0);
  EXPECT_FALSE(Ioctl(controller, usb::kIoctlGetRootHubName, &tooSmall, &bytes));
  Close(controller);
  EXPECT_EQ(0, tree.OpenHandles());
}

TEST_F(UsbTreeTest, ControllerNumberAndInterfacePathReachTheSameRootHub) {
  const usb::PlatformHandle byNumber = Open("\\\\.\\hcd0");
  const usb::PlatformHandle byInterface = Open(tree.InterfacePath(0));
  ASSERT_NE(usb::kInvalidHandle, byNumber);
  ASSERT_NE(usb::kInvalidHandle, byInterface);
  std::vector<uint8_t> a(200, 0), b(200, 0);
  uint32_t bytes = 0;
  ASSERT_TRUE(Ioctl(byNumber, usb::kIoctlGetRootHubName, &a, &bytes));
  ASSERT_TRUE(Ioctl(byInterface, usb::kIoctlGetRootHubName, &b, &bytes));
  EXPECT_EQ(a, b);
  EXPECT_EQ(usb::kInvalidHandle, Open("\\\\.\\HCD1"));
  Close(byNumber);
  Close(byInterface);
}

TEST_F(UsbTreeTest, HubQueriesCheckBufferSizesAndPortNumbers) {
  const usb::PlatformHandle hub = Open("\\\\.\\" + tree.HubName("0"));
  ASSERT_NE(usb::kInvalidHandle, hub);
  uint32_t bytes = 0;
  std::vector<uint8_t> node(75, 0);
  EXPECT_FALSE(Ioctl(hub, usb::kIoctlGetNodeInformation, &node, &bytes));
  node.assign(76, 0);
  ASSERT_TRUE(Ioctl(hub, usb::kIoctlGetNodeInformation, &node, &bytes));
  EXPECT_EQ(3, node[usb::kNodeInformationNumberOfPorts]);

  std::vector<uint8_t> connection(usb::kConnectionQueryBufferSize, 0);
  for (uint32_t badPort : {0u, 4u}) {
    usb::WriteLe32(connection.data(), badPort);
    EXPECT_FALSE(Ioctl(hub, usb::kIoctlGetNodeConnectionInformationEx, &connection, &bytes));
  }
  usb::WriteLe32(connection.data(), 2);
  ASSERT_TRUE(Ioctl(hub, usb::kIoctlGetNodeConnectionInformationEx, &connection, &bytes));
  usb::ConnectionInfo info;
  ASSERT_TRUE(usb::ParseConnectionInfo(connection.data(), bytes, &info));
  EXPECT_TRUE(info.deviceIsHub);
  EXPECT_EQ(usb::kDeviceConnected, info.connectionStatus);

  std::vector<uint8_t> name(10, 0);
  usb::WriteLe32(name.data(), 2);
  ASSERT_TRUE(Ioctl(hub, usb::kIoctlGetNodeConnectionName, &name, &bytes));
  name.resize(usb::ReadLe32(name.data() + 4));
  ASSERT_TRUE(Ioctl(hub, usb::kIoctlGetNodeConnectionName, &name, &bytes));
  EXPECT_EQ(tree.HubName("0/2"), usb::NarrowAscii(usb::ReadWideName(name.data(), bytes, 8)));
  Close(hub);
}

TEST_F(UsbTreeTest, DescriptorRequestReturnsHeaderPlusDataAndHonoursFaults) {
  const usb::PlatformHandle hub = Open("\\\\.\\" + tree.HubName("0"));
  usb::SetupPacket setup;
  setup.wValue = usb::kDeviceDescriptorValue;
  setup.wLength = 18;
  std::vector<uint8_t> request(30, 0);
  usb::WriteDescriptorRequestHeader(3, setup, request.data());
  uint32_t bytes = 0;
  ASSERT_TRUE(Ioctl(hub, usb::kIoctlGetDescriptorFromNodeConnection, &request, &bytes));
  EXPECT_EQ(12u + 8, bytes);  // descriptor=short

  setup.bRequest = 0x00;  // anything but GET_DESCRIPTOR is refused
  usb::WriteDescriptorRequestHeader(3, setup, request.data());
  EXPECT_FALSE(Ioctl(hub, usb::kIoctlGetDescriptorFromNodeConnection, &request, &bytes));

  usb::WriteDescriptorRequestHeader(1, usb::SetupPacket{0x80, 0x06, 0x0100, 0, 18}, request.data());
  EXPECT_FALSE(Ioctl(hub, usb::kIoctlGetDescriptorFromNodeConnection, &request, &bytes));  // empty
  Close(hub);
}

TEST_F(UsbTreeTest, InterfaceEnumerationChecksStructureSizes) {
  const usb::InterfaceSet set = ops().getHostControllerSet(ops().context);
  usb::DeviceInterfaceData data{};
  EXPECT_FALSE(ops().enumDeviceInterfaces(ops().context, set, 0, &data));  // cbSize not set
  EXPECT_EQ(1, tree.Misuses());
  usb::WriteLe32(data.raw, 28);
  ASSERT_TRUE(ops().enumDeviceInterfaces(ops().context, set, 0, &data));
  EXPECT_FALSE(ops().enumDeviceInterfaces(ops().context, set, 1, &data));

  uint32_t required = 0;
  EXPECT_FALSE(ops().getInterfaceDetail(ops().context, set, &data, nullptr, 0, &required));
  EXPECT_EQ(4 + tree.InterfacePath(0).size() + 1, required);
  std::vector<uint8_t> detail(required, 0);
  usb::WriteLe32(detail.data(), 5);
  ASSERT_TRUE(ops().getInterfaceDetail(ops().context, set, &data, detail.data(), required,
                                       nullptr));
  EXPECT_EQ(tree.InterfacePath(0), std::string(reinterpret_cast<char*>(&detail[4])));

  EXPECT_EQ(1, tree.OpenSets());
  ops().destroyInterfaceSet(ops().context, set);
  EXPECT_EQ(0, tree.OpenSets());
  ops().destroyInterfaceSet(ops().context, set);
  EXPECT_EQ(2, tree.Misuses());
}

TEST_F(UsbTreeTest, UnpluggedHubLeavesItsHandleOpenButDead) {
  const usb::PlatformHandle hub = Open("\\\\.\\" + tree.HubName("0/2"));
  ASSERT_NE(usb::kInvalidHandle, hub);
  ASSERT_TRUE(tree.Unplug("0/2"));
  std::vector<uint8_t> node(76, 0);
  uint32_t bytes = 0;
  EXPECT_FALSE(Ioctl(hub, usb::kIoctlGetNodeInformation, &node, &bytes));
  Close(hub);
  EXPECT_EQ(0, tree.Misuses());
}

TEST(UsbTreeDescription, ErrorsNameTheLineAndTheProblem) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"controller 0\ncontroller 0\n", "line 2: controller 0 already exists"},
      {"controller 0\nhub 0/5\n", "line 2: port 0/5 does not exist (the hub at 0 has 4 ports)"},
      {"controller 0\ndevice 0/1/1 046d:c077\n", "line 2: there is no hub at 0/1"},
      {"controller 0\ndevice 0/1 046d:c077\nhub 0/1\n", "line 3: port 0/1 is already in use"},
      {"controller 0\ndevice 0/1 mouse\n", "line 2: no device named 'mouse'"},
      {"controller 0\ndevice 0/1 046d:c07\n", "line 2: no device named '046d:c07'"},
      {"controller 0\ndevice 0/1 046d:c077 shows=12:34\n",
       "line 2: shows=12:34 is not <vid>:<pid> in hex"},
      {"controller 0\ndevice 0/1 046d:c077 descriptor=odd\n",
       "line 2: descriptor=odd is not one of ok, fail, short, badlength"},
      {"controller 0 ports=0\n", "line 1: a hub has 1 to 255 ports, not 0"},
      {"\n# nothing\nroot 0\n", "line 3: unknown statement 'root' (expected controller, hub or device)"},
      {"controller 0\nhub 0/x\n",
       "line 2: '0/x' is not a port path (expected <controller>/<port>[/<port>...])"},
      {"controller 0\nhub 0/1 shows=1234:5678\n", "line 2: unknown option 'shows=1234:5678' for a hub"},
  };
  for (const auto& c : cases) {
    sim::UsbTree tree;
    std::string error;
    EXPECT_FALSE(tree.Load(c.text, nullptr, &error)) << c.text;
    EXPECT_EQ(c.message, error) << c.text;
  }
}

}  // namespace
