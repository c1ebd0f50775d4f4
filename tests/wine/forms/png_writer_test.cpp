// The PNG writer of the test driver: checksums against known values, and a round trip through a
// reader of stored deflate blocks.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/wine/driver/png_writer.h"

namespace {

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(PngWriter, ChecksumsMatchKnownValues) {
  const char* digits = "123456789";
  EXPECT_EQ(0xCBF43926u, driver::Crc32(reinterpret_cast<const uint8_t*>(digits), 9));
  const char* wiki = "Wikipedia";
  EXPECT_EQ(0x11E60398u, driver::Adler32(reinterpret_cast<const uint8_t*>(wiki), 9));
}

// Splits the file into chunks (checking every CRC), inflates the stored blocks of IDAT and returns
// the pixels.
std::vector<uint32_t> Decode(const std::vector<uint8_t>& png, int* width, int* height, int* blocks) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(0, std::memcmp(png.data(), signature, 8));
  std::vector<uint8_t> zlib;
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = Be32(png, at);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    EXPECT_EQ(Be32(png, at + 8 + length), driver::Crc32(png.data() + at + 4, length + 4)) << type;
    if (type == "IHDR") {
      *width = static_cast<int>(Be32(png, at + 8));
      *height = static_cast<int>(Be32(png, at + 12));
      EXPECT_EQ(8, png[at + 16]);  // bit depth
      EXPECT_EQ(2, png[at + 17]);  // RGB
    }
    if (type == "IDAT") zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  EXPECT_EQ(png.size(), at);
  std::vector<uint8_t> raw;
  size_t z = 2;
  *blocks = 0;
  for (bool last = false; !last;) {
    last = zlib[z] & 1;
    const uint16_t len = static_cast<uint16_t>(zlib[z + 1] | zlib[z + 2] << 8);
    const uint16_t nlen = static_cast<uint16_t>(zlib[z + 3] | zlib[z + 4] << 8);
    EXPECT_EQ(static_cast<uint16_t>(~len), nlen);
    raw.insert(raw.end(), zlib.begin() + z + 5, zlib.begin() + z + 5 + len);
    z += 5 + len;
    ++*blocks;
  }
  EXPECT_EQ(Be32(zlib, z), driver::Adler32(raw.data(), raw.size()));
  std::vector<uint32_t> pixels;
  for (int y = 0; y < *height; ++y) {
    const uint8_t* row = raw.data() + static_cast<size_t>(y) * (*width * 3 + 1);
    EXPECT_EQ(0, row[0]);  // filter "none"
    for (int x = 0; x < *width; ++x) {
      pixels.push_back(uint32_t{row[1 + x * 3]} << 16 | uint32_t{row[2 + x * 3]} << 8 | row[3 + x * 3]);
    }
  }
  return pixels;
}

TEST(PngWriter, RoundTripsSmallAndMultiBlockImages) {
  for (const auto& size : {std::pair<int, int>{2, 3}, std::pair<int, int>{300, 100}}) {
    std::vector<uint32_t> pixels;
    for (int i = 0; i < size.first * size.second; ++i) pixels.push_back(static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF);
    int width = 0, height = 0, blocks = 0;
    EXPECT_EQ(pixels, Decode(driver::EncodePng(size.first, size.second, pixels), &width, &height, &blocks));
    EXPECT_EQ(size.first, width);
    EXPECT_EQ(size.second, height);
    EXPECT_EQ(size.first == 2 ? 1 : 2, blocks);  // 300 x 100 x 3 + rows > 65535 bytes
  }
}

}  // namespace
