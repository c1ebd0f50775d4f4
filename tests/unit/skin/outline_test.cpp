#include "skin/core/outline.h"

#include <gtest/gtest.h>

#include <string>

namespace skin {
namespace {

// Rows of '.' (key, pixel (0, 0) is always '.') and '#' (other colours).
std::vector<uint32_t> Pixels(const std::vector<std::string>& rows) {
  std::vector<uint32_t> pixels;
  for (const std::string& row : rows) {
    for (char c : row) pixels.push_back(c == '.' ? 0x00FF00FF : 0x00123456);
  }
  return pixels;
}

Outline Of(const std::vector<std::string>& rows) {
  auto pixels = Pixels(rows);
  int width = static_cast<int>(rows[0].size());
  return OutlineFromPixels(pixels.data(), width, static_cast<int>(rows.size()), width);
}

TEST(Outline, SpansRunFromFirstToLastNonKeyPixelWithoutHoles) {
  EXPECT_EQ(Of({".......#..",    // single pixel at x = 7: span 7 to 8
                "..#....#..",    // key pixels between stay inside
                "..........",    // all key: nothing
                "##########"}),
            (Outline{{0, 7, 8}, {1, 2, 8}, {3, 0, 10}}));
}

TEST(Outline, RoundedShapeGivesItsRoundedRows) {
  EXPECT_EQ(Of({"........",
                "..####..",
                ".######.",
                ".######.",
                "..####.."}),
            (Outline{{1, 2, 6}, {2, 1, 7}, {3, 1, 7}, {4, 2, 6}}));
}

TEST(Outline, AllKeyOrEmptyImagesGiveEmptyOutlines) {
  EXPECT_TRUE(Of({"....", "...."}).empty());
  EXPECT_TRUE(OutlineFromPixels(nullptr, 4, 4, 4).empty());
  uint32_t one = 0;
  EXPECT_TRUE(OutlineFromPixels(&one, 0, 1, 1).empty());
  EXPECT_TRUE(OutlineFromPixels(&one, 1, 1, 0).empty());  // stride shorter than a row
}

TEST(Outline, OnlyTheColourBitsCountAndStrideSkipsPadding) {
  // Alpha bytes differ from the key's; padding pixels beyond width are never read as content.
  std::vector<uint32_t> pixels = {0x00FF00FF, 0xFFFF00FF, 0x00000001, 0xDEADBEEF,
                                  0x00FF00FF, 0x00FF00FF, 0x00FF00FF, 0xDEADBEEF};
  EXPECT_EQ(OutlineFromPixels(pixels.data(), 3, 2, 4), (Outline{{0, 2, 3}}));
}

TEST(Outline, ComparisonSeesAnyChangedRow) {
  Outline a = Of({"..##", ".###"});
  EXPECT_EQ(a, Of({"..##", ".###"}));
  EXPECT_NE(a, Of({"..##", "..##"}));
  EXPECT_NE(a, Of({"..##", "...."}));
}

}  // namespace
}  // namespace skin
