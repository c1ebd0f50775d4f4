// Decoding of the pairing status record.
#include <gtest/gtest.h>

#include "receiver/receiver_protocol.h"

namespace {

TEST(PairingStatus, MouseReportedWithHighAttributeBit) {
  const uint8_t record[8] = {0x05, 0x12, 0x34, 0x00, 0x00, 0x00, 0x20, 0x80};
  const receiver::PairingStatus status = receiver::DecodePairingStatus(record);
  EXPECT_TRUE(status.mouseReported);
  EXPECT_FALSE(status.keyboardReported);
  EXPECT_EQ(0x51234u, status.mouseId);
  EXPECT_EQ(0u, status.keyboardId);
  EXPECT_EQ(0x00, status.mouseAttribute & receiver::kAttributeLowBits);
  EXPECT_EQ(0xA4, receiver::AttributeFlagByte(status.mouseAttribute));
  EXPECT_EQ(0xFF, receiver::AttributeFlagByte(0x7F));
}

TEST(PairingStatus, IgnoresBitsAboveTheNineteenBitIdentifier) {
  const uint8_t record[8] = {0xFD, 0xFF, 0xFF, 0xFA, 0x01, 0x02, 0x40, 0x00};
  const receiver::PairingStatus status = receiver::DecodePairingStatus(record);
  EXPECT_EQ(0x5FFFFu, status.mouseId);
  EXPECT_EQ(0x20102u, status.keyboardId);
  EXPECT_FALSE(status.mouseReported);
  EXPECT_TRUE(status.keyboardReported);
}

TEST(PairingStatus, OnlyFlagBitsFiveAndSixCount) {
  const uint8_t record[8] = {0, 0, 0, 0, 0, 0, 0x9F, 0};
  const receiver::PairingStatus status = receiver::DecodePairingStatus(record);
  EXPECT_FALSE(status.mouseReported);
  EXPECT_FALSE(status.keyboardReported);
}

}  // namespace
