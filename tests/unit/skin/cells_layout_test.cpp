#include "skin/core/caption_layout.h"
#include "skin/core/cells.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ButtonCell, DisabledWinsOverEveryOtherStateWithGreyCaption) {
  ButtonCellChoice c = ChooseButtonCell(false, true, true, true);
  EXPECT_EQ(c.cell, 3);
  ASSERT_TRUE(c.textColour.has_value());
  EXPECT_EQ(*c.textColour, 0x99A8ACu);  // blue 0x99, green 0xA8, red 0xAC
}

TEST(ButtonCell, PressedOrForcedDownBeforeHover) {
  EXPECT_EQ(ChooseButtonCell(true, true, false, true).cell, 2);
  EXPECT_EQ(ChooseButtonCell(true, false, true, false).cell, 2);
  EXPECT_EQ(ChooseButtonCell(true, false, false, true).cell, 1);
  ButtonCellChoice normal = ChooseButtonCell(true, false, false, false);
  EXPECT_EQ(normal.cell, 0);
  EXPECT_FALSE(normal.textColour.has_value());
}

TEST(CheckAndComboCells, FollowTheirTables) {
  EXPECT_EQ(ChooseCheckCell(false, false), 0);
  EXPECT_EQ(ChooseCheckCell(false, true), 1);
  EXPECT_EQ(ChooseCheckCell(true, false), 2);
  EXPECT_EQ(ChooseCheckCell(true, true), 3);
  EXPECT_EQ(ChooseComboCell(false, true, true), 3);
  EXPECT_EQ(ChooseComboCell(true, true, true), 2);
  EXPECT_EQ(ChooseComboCell(true, false, true), 1);
  EXPECT_EQ(ChooseComboCell(true, false, false), 0);
}

TEST(Slices, CellWidthTruncatesAndSliceCoversOneCell) {
  EXPECT_EQ(CellWidth(308), 77);
  EXPECT_EQ(CellWidth(311), 77);
  EXPECT_EQ(CellWidth(3), 0);
  EXPECT_EQ(SliceSource(2, 0, 20, 15), (Rect{40, 0, 60, 15}));
  EXPECT_EQ(SliceSource(3, 0, 77, 26), (Rect{231, 0, 308, 26}));
}

TEST(CaptionLayout, ButtonCaptionCentresTowardZeroAndShiftsOnlyWhenPressed) {
  EXPECT_EQ(ButtonCaptionOrigin({77, 26}, {20, 13}, false), (Point{28, 6}));
  EXPECT_EQ(ButtonCaptionOrigin({77, 26}, {20, 13}, true), (Point{29, 7}));
  // A caption wider than the control goes left of it, rounding toward zero (-3 / 2 = -1).
  EXPECT_EQ(ButtonCaptionOrigin({10, 10}, {13, 13}, false), (Point{-1, -1}));
}

TEST(CaptionLayout, WithoutASkinTextColourTheCaptionKeepsTheFontColour) {
  constexpr uint32_t kSystem = 0x000000, kFont = 0xFFFFFF, kSkin = 0x99A8AC;
  EXPECT_EQ(kFont, CaptionColour(std::nullopt, kFont, kSystem));
  EXPECT_EQ(kSkin, CaptionColour(kSkin, kFont, kSystem));
  EXPECT_EQ(kSystem, CaptionColour(std::nullopt, std::nullopt, kSystem));
}

TEST(CaptionLayout, CheckCaptionStartsAThirdOfTheWholeBitmapIn) {
  // 52-pixel four-cell bitmap: 52 / 3 + 5 = 22, not a third of one cell.
  EXPECT_EQ(CheckCaptionRect(52, 17, {40, 13}), (Rect{22, 2, 62, 15}));
  EXPECT_EQ(CheckCaptionRect(0, 17, {40, 13}).left, 5);  // empty slot
}

TEST(CaptionLayout, ComboSquareSitsOverTheDropDownButton) {
  EXPECT_EQ(ComboSquareOrigin({145, 21}), (Point{125, 0}));
  EXPECT_EQ(AnsiTextRect(3, 4, {10, 12}), (Rect{3, 4, 14, 17}));
}

}  // namespace
}  // namespace skin
