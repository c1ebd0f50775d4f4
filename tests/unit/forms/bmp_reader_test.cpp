#include "forms/core/bmp_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace forms {
namespace {

void Put(std::string& b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

// A well-formed file with a 40-byte info header; palette entry i is (blue i, green 2i, red 3i).
std::string Bitmap(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                   uint32_t imageSize = 0) {
  const uint32_t palette = bits <= 8 ? (1u << bits) * 4 : 0;
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
  const uint32_t pixels = compression ? imageSize : (static_cast<uint32_t>(width) * bits + 31) / 32 * 4 * rows;
  const uint32_t offset = 14 + 40 + palette;
  std::string b(offset + pixels, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 10, offset, 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<uint32_t>(width), 4);
  Put(b, 22, static_cast<uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, bits, 2);
  Put(b, 30, compression, 4);
  Put(b, 34, imageSize, 4);
  for (uint32_t i = 0; i < palette / 4; ++i) Put(b, 54 + 4 * i, (3 * i & 0xFF) << 16 | (2 * i & 0xFF) << 8 | i, 4);
  return b;
}

TEST(FormsBmpReader, BuildsTheInfoHeaderAndPaletteOfAcceptedFiles) {
  const auto rle = ParseBmp(Bitmap(8, 4, 8, /*RLE8*/ 1, 10));
  ASSERT_TRUE(rle.has_value());
  EXPECT_EQ(rle->width, 8);
  EXPECT_EQ(rle->height, 4);
  EXPECT_EQ(rle->bitsOffset, 14u + 40u + 1024u);
  ASSERT_EQ(rle->info.size(), 40u + 12u + 1024u);
  uint32_t field;
  std::memcpy(&field, rle->info.data() + 16, 4);
  EXPECT_EQ(field, 1u);  // compression kept
  std::memcpy(&field, rle->info.data() + 20, 4);
  EXPECT_EQ(field, 10u);  // run-length data size kept
  EXPECT_EQ(static_cast<uint8_t>(rle->info[40 + 4 * 5 + 2]), 15);  // red of entry 5, right after the header

  const auto topDown = ParseBmp(Bitmap(3, -2, 24));
  ASSERT_TRUE(topDown.has_value());
  EXPECT_EQ(topDown->height, 2);
  int32_t height;
  std::memcpy(&height, topDown->info.data() + 8, 4);
  EXPECT_EQ(height, -2);  // row order as in the file
}

TEST(FormsBmpReader, RefusesFilesWhoseDataDoesNotFit) {
  std::string truncated = Bitmap(8, 8, 24);
  truncated.resize(truncated.size() - 1);
  std::string pixelsPastEnd = Bitmap(2, 2, 24);
  Put(pixelsPastEnd, 10, static_cast<uint32_t>(pixelsPastEnd.size()), 4);
  const std::string cases[] = {
      "", "BM", truncated, pixelsPastEnd,
      Bitmap(8, 4, 8, 1, 0),       // run-length data of no size
      Bitmap(8, -4, 8, 1, 10),     // run-length data cannot run top-down
      Bitmap(5000, 5000, 1),       // more pixels than any picture of the suite
      Bitmap(4, 4, 7),             // no such depth
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(ParseBmp(bytes).has_value()) << bytes.size();
}

}  // namespace
}  // namespace forms
