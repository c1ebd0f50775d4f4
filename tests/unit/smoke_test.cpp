#include <gtest/gtest.h>
#include <cstdint>

// The build itself: fixed-width types and little-endian byte order, which every record layout assumes.
TEST(Platform, IsLittleEndian) {
  const uint16_t word = 0x1234;
  EXPECT_EQ(0x34, *reinterpret_cast<const uint8_t*>(&word));
}
