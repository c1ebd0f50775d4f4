// Which skin bitmaps a control cannot be drawn from, decided from the files a damaged install leaves.
#include "skin/core/skin_fallback.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace skin {
namespace {

void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A complete 24-bit file of width x height.
std::string Bitmap24(int32_t width, int32_t height) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 24 + 31) / 32 * 4;
  std::string b(54 + rowBytes * static_cast<uint32_t>(height), '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  return b;
}

constexpr FillStyle kPlain = FillStyle::Plain;

TEST(SkinFallback, EveryKindOfBrokenFileFallsBackForEveryControl) {
  const std::string good = Bitmap24(360, 25);  // four 90 x 25 cells, the pairing button
  std::string absurd = good;                   // header claims 100000 x 100000 pixels
  Put32(absurd, 18, 100000);
  Put32(absurd, 22, 100000);
  std::string absurdButSmallArea = good;       // 100000 x 1: few pixels, far more than the file holds
  Put32(absurdButSmallArea, 18, 100000);
  Put32(absurdButSmallArea, 22, 1);
  const struct {
    const char* what;
    std::optional<std::string> bytes;
    SkinFault fault;
  } cases[] = {
      {"missing", std::nullopt, SkinFault::kNoBitmap},
      {"empty file", std::string(), SkinFault::kNoBitmap},
      {"truncated to 100 bytes", good.substr(0, 100), SkinFault::kNoBitmap},
      {"truncated by one byte", good.substr(0, good.size() - 1), SkinFault::kNoBitmap},
      {"not a bitmap", std::string("GIF89a, certainly not a skin") + std::string(2000, 'x'), SkinFault::kNoBitmap},
      {"absurd header", absurd, SkinFault::kNoBitmap},
      {"absurd width", absurdButSmallArea, SkinFault::kNoBitmap},
      {"zero-width cell", Bitmap24(3, 25), SkinFault::kEmptyCell},
      {"oversized cell", Bitmap24(4 * (kMaxCellExtent + 1), 2), SkinFault::kOversizedCell},
  };
  for (const auto& c : cases) {
    for (int kind : {kKindButton, kKindCheckBox, kKindRadioButton, kKindComboBox}) {
      const SkinFault fault = ControlSkinFaultOfFile(c.bytes, kind, kPlain);
      EXPECT_EQ(fault, c.fault) << c.what << ", kind " << kind << ": " << SkinFaultName(fault);
      EXPECT_FALSE(DrawsSkin(ControlSkinFaultOfFile(c.bytes, kind, kPlain))) << c.what;
    }
  }
  EXPECT_EQ(ControlSkinFaultOfFile(good, kKindButton, kPlain), SkinFault::kNone);
}

TEST(SkinFallback, SmallestUsableCellsByFillStyle) {
  // One pixel per cell is enough to copy or stretch.
  for (FillStyle fill : {FillStyle::Stretch, FillStyle::Plain}) {
    EXPECT_EQ(ControlSkinFault({4, 1}, kKindButton, fill), SkinFault::kNone);
  }
  // A nine-grid needs 3 x 3 cells, or it tiles nothing and the button vanishes.
  for (FillStyle fill : {FillStyle::NineGrid, FillStyle::NineGridWithTextColour}) {
    EXPECT_EQ(ControlSkinFault({8, 30}, kKindButton, fill), SkinFault::kCellTooSmall);
    EXPECT_EQ(ControlSkinFault({12, 2}, kKindButton, fill), SkinFault::kCellTooSmall);
    EXPECT_EQ(ControlSkinFault({12, 3}, kKindButton, fill), SkinFault::kNone);
  }
  // A fill digit that names no drawing would show whatever the work bitmap held.
  EXPECT_EQ(ControlSkinFault({308, 26}, kKindButton, FillStyle::Unknown), SkinFault::kUnknownFill);
  // Check boxes, radio buttons and combo boxes read no fill digit.
  EXPECT_EQ(ControlSkinFault({52, 13}, kKindCheckBox, FillStyle::Unknown), SkinFault::kNone);
  EXPECT_EQ(ControlSkinFault({0, 0}, kKindComboBox, FillStyle::Stretch), SkinFault::kNoBitmap);
  EXPECT_EQ(ControlSkinFault({4 * kMaxCellExtent, kMaxCellExtent}, kKindButton, kPlain), SkinFault::kNone);
  EXPECT_EQ(ControlSkinFault({4, kMaxCellExtent + 1}, kKindButton, kPlain), SkinFault::kOversizedCell);
}

TEST(SkinFallback, ABackgroundMustCoverTheFormsControls) {
  // The confirmation dialog: message, OK, window close.
  const std::vector<Rect> dialog{{57, 32, 257, 98}, {117, 104, 194, 130}, {263, 15, 284, 34}};
  EXPECT_TRUE(BackgroundCoversControls({301, 153}, dialog));
  EXPECT_TRUE(BackgroundCoversControls({284, 130}, dialog));  // touching the edges is enough
  EXPECT_FALSE(BackgroundCoversControls({3, 153}, dialog));   // a sound but absurd picture
  EXPECT_FALSE(BackgroundCoversControls({301, 120}, dialog));
  EXPECT_FALSE(BackgroundCoversControls({0, 0}, {}));
  EXPECT_TRUE(BackgroundCoversControls({1, 1}, {}));
}

}  // namespace
}  // namespace skin
