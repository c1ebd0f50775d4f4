#include "skin/core/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace skin {
namespace {

void Put16(std::string& b, size_t at, uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A well-formed file with a 40-byte info header.
std::string InfoBitmap(int32_t width, int32_t height, uint16_t bits, uint32_t colours = 0) {
  const uint32_t palette = bits <= 8 ? (colours ? colours : (1u << bits)) * 4 : 0;
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const uint32_t rows = static_cast<uint32_t>(height < 0 ? -height : height);
  const uint32_t offset = 14 + 40 + palette;
  std::string b(offset + rowBytes * rows, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, offset);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, bits);
  Put32(b, 46, colours);
  return b;
}

TEST(BitmapFile, AcceptsWellFormedFilesOfEveryDepth) {
  for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
    auto layout = ParseBitmapFile(InfoBitmap(308, 26, bits));
    ASSERT_TRUE(layout.has_value()) << bits;
    EXPECT_EQ(layout->width, 308);
    EXPECT_EQ(layout->height, 26);
    EXPECT_FALSE(layout->topDown);
  }
  auto topDown = ParseBitmapFile(InfoBitmap(4, -3, 24));
  ASSERT_TRUE(topDown.has_value());
  EXPECT_EQ(topDown->height, 3);
  EXPECT_TRUE(topDown->topDown);
  auto shortPalette = ParseBitmapFile(InfoBitmap(4, 4, 8, 2));
  ASSERT_TRUE(shortPalette.has_value());
  EXPECT_EQ(shortPalette->infoSize, 40u + 8u);
}

TEST(BitmapFile, RejectsFilesThatAreNotBitmaps) {
  EXPECT_FALSE(ParseBitmapFile("").has_value());
  EXPECT_FALSE(ParseBitmapFile(std::string(100, 'x')).has_value());
  std::string png = InfoBitmap(4, 4, 24);
  png[0] = '\x89';
  EXPECT_FALSE(ParseBitmapFile(png).has_value());
}

TEST(BitmapFile, RejectsTruncatedFiles) {
  std::string good = InfoBitmap(308, 26, 24);
  EXPECT_FALSE(ParseBitmapFile(good.substr(0, good.size() - 1)).has_value());  // pixel rows cut
  EXPECT_FALSE(ParseBitmapFile(good.substr(0, 40)).has_value());                // header cut
  std::string paletted = InfoBitmap(4, 4, 8);
  Put32(paletted, 10, 14 + 40 + 16);  // pixels claimed to start inside the colour table
  EXPECT_FALSE(ParseBitmapFile(paletted).has_value());
}

TEST(BitmapFile, RejectsImpossibleHeaders) {
  std::string b = InfoBitmap(4, 4, 24);
  Put16(b, 28, 7);  // bit count
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
  b = InfoBitmap(4, 4, 24);
  Put32(b, 18, 0xFFFFFFFF);  // width -1
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
  b = InfoBitmap(4, 4, 24);
  Put32(b, 18, 100000);  // claims far more pixels than the file holds and than a skin needs
  Put32(b, 22, 100000);
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
  b = InfoBitmap(4, 4, 24);
  Put32(b, 14, 0x7FFFFFFF);  // header size beyond the file
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
  b = InfoBitmap(4, 4, 24);
  Put32(b, 30, 4);  // embedded JPEG
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
  b = InfoBitmap(4, 4, 24);
  Put32(b, 30, 1);  // run-length encoding needs 8 bits per pixel
  EXPECT_FALSE(ParseBitmapFile(b).has_value());
}

// The decoder reads as many bytes of run-length data as the header's image size says; a size that
// runs past the end of the file (or 0, read up to an end mark that may never come) would make it
// read past the file's buffer.
TEST(BitmapFile, RunLengthDataMustLieInsideTheFile) {
  std::string rle = InfoBitmap(8, 2, 8);  // 16 bytes after the colour table
  Put32(rle, 30, 1);
  for (const auto& [imageSize, accepted] : {std::pair{16u, true}, {4u, true}, {17u, false}, {0u, false}}) {
    Put32(rle, 34, imageSize);
    const auto layout = ParseBitmapFile(rle);
    ASSERT_EQ(layout.has_value(), accepted) << imageSize;
    if (accepted) EXPECT_EQ(layout->pixelBytes, imageSize);
  }
}

TEST(BitmapFile, AcceptsCoreHeaderAndBitFields) {
  std::string core(14 + 12 + 4 * 2 * 3, '\0');  // 2 x 2, 24 bits: rows of 8 bytes after padding
  core[0] = 'B';
  core[1] = 'M';
  Put32(core, 10, 26);
  Put32(core, 14, 12);
  Put16(core, 18, 2);
  Put16(core, 20, 2);
  Put16(core, 22, 1);
  Put16(core, 24, 24);
  EXPECT_TRUE(ParseBitmapFile(core).has_value());

  std::string fields = InfoBitmap(4, 4, 32);
  fields.insert(54, 12, '\0');
  Put32(fields, 10, 14 + 40 + 12);
  Put32(fields, 30, 3);
  auto layout = ParseBitmapFile(fields);
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->infoSize, 52u);
}

}  // namespace
}  // namespace skin
