// The hub driver's buffer layouts, read and written from hand-made byte images.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "usb/usb_layout.h"

namespace {

TEST(UsbLayout, ParsesConnectionInformationAtTheDriverOffsets) {
  std::vector<uint8_t> reply(usb::kConnectionQueryBufferSize, 0);
  reply[0] = 3;                    // ConnectionIndex
  reply[4] = 18;                   // bLength
  reply[12] = 0x6E;                // idVendor
  reply[13] = 0x2B;
  reply[14] = 0x4F;                // idProduct
  reply[15] = 0x05;
  reply[24] = 1;                   // DeviceIsHub
  reply[31] = 1;                   // ConnectionStatus = DeviceConnected
  usb::ConnectionInfo info;
  ASSERT_TRUE(usb::ParseConnectionInfo(reply.data(), 35, &info));
  EXPECT_EQ(3u, info.connectionIndex);
  EXPECT_EQ(0x2B6E, usb::DescriptorVendorId(info.descriptor));
  EXPECT_EQ(0x054F, usb::DescriptorProductId(info.descriptor));
  EXPECT_TRUE(info.deviceIsHub);
  EXPECT_EQ(usb::kDeviceConnected, info.connectionStatus);

  EXPECT_FALSE(usb::ParseConnectionInfo(reply.data(), 34, &info));

  std::vector<uint8_t> written(35, 0xCC);
  usb::WriteConnectionInfo(info, written.data(), written.size());
  EXPECT_EQ(std::vector<uint8_t>(reply.begin(), reply.begin() + 35), written);
}

TEST(UsbLayout, DescriptorRequestHeaderBytes) {
  usb::SetupPacket setup;
  setup.wValue = 0xB504;
  setup.wIndex = 0xA405;
  setup.wLength = 1;
  uint8_t header[12];
  usb::WriteDescriptorRequestHeader(2, setup, header);
  const uint8_t expected[12] = {2, 0, 0, 0, 0x80, 0x06, 0x04, 0xB5, 0x05, 0xA4, 0x01, 0x00};
  EXPECT_EQ(0, std::memcmp(expected, header, 12));

  uint32_t port = 0;
  usb::SetupPacket read;
  usb::ReadDescriptorRequestHeader(header, &port, &read);
  EXPECT_EQ(2u, port);
  EXPECT_EQ(0xB504, read.wValue);
  EXPECT_EQ(0xA405, read.wIndex);
  EXPECT_EQ(1, read.wLength);
}

TEST(UsbLayout, WideNamesStopAtTheNulOrTheEndOfTheReply) {
  const uint8_t reply[] = {0, 0, 0, 0, 'A', 0, 'B', 0, 0, 0, 'C', 0};
  EXPECT_EQ(u"AB", usb::ReadWideName(reply, sizeof reply, 4));
  EXPECT_EQ(u"A", usb::ReadWideName(reply, 7, 4));  // half a character at the end is dropped
  EXPECT_EQ(u"", usb::ReadWideName(reply, 4, 4));
}

TEST(UsbLayout, WideNameInASmallBufferReportsTheWholeLength) {
  uint8_t small[6] = {};
  EXPECT_EQ(4u + 2 * 4, usb::WriteWideName(u"HUB", 4, small, sizeof small));
  EXPECT_EQ('H', small[4]);

  uint8_t whole[12];
  std::memset(whole, 0xCC, sizeof whole);
  usb::WriteWideName(u"HUB", 4, whole, sizeof whole);
  EXPECT_EQ(u"HUB", usb::ReadWideName(whole, sizeof whole, 4));
  EXPECT_EQ(0, whole[10]);
  EXPECT_EQ(0, whole[11]);
}

TEST(UsbLayout, AsciiConversionMarksOtherCharacters) {
  EXPECT_EQ("USB#?", usb::NarrowAscii(u"USB#\u00e9"));
  EXPECT_EQ(u"X?", usb::WidenAscii("X\xC3"));
}

}  // namespace
