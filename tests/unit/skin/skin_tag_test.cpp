#include "skin/core/skin_tag.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SkinTag, DecodesTheDigitsOfTheFormsTags) {
  SkinTag ok = DecodeSkinTag(22001);
  EXPECT_EQ(ok.slot, 1);
  EXPECT_EQ(ok.fill, FillStyle::Plain);
  EXPECT_EQ(ok.output, OutputMode::CopyThenShape);
  EXPECT_FALSE(ok.forcedDown);

  SkinTag check = DecodeSkinTag(5);
  EXPECT_EQ(check.slot, 5);
  EXPECT_EQ(check.fill, FillStyle::Stretch);
  EXPECT_EQ(check.output, OutputMode::Copy);

  SkinTag forced = DecodeSkinTag(131028);
  EXPECT_EQ(forced.slot, 28);
  EXPECT_EQ(forced.fill, FillStyle::NineGrid);
  EXPECT_EQ(forced.output, OutputMode::ShapeCopyShape);
  EXPECT_TRUE(forced.forcedDown);
}

TEST(SkinTag, EveryDigitValueMapsAsDocumented) {
  EXPECT_EQ(DecodeSkinTag(3000).fill, FillStyle::NineGridWithTextColour);
  EXPECT_EQ(DecodeSkinTag(4000).fill, FillStyle::Unknown);
  EXPECT_EQ(DecodeSkinTag(10000).output, OutputMode::TransparentCopy);
  EXPECT_EQ(DecodeSkinTag(40000).output, OutputMode::Copy);
  EXPECT_EQ(DecodeSkinTag(90000).output, OutputMode::Copy);
  // Only the digit 1 forces the pressed cell; higher places are ignored.
  EXPECT_FALSE(DecodeSkinTag(200000).forcedDown);
  EXPECT_TRUE(DecodeSkinTag(1100000).forcedDown);
}

TEST(SkinTag, OutOfRangeTagsNameNoSlot) {
  EXPECT_FALSE(IsSkinSlot(DecodeSkinTag(999).slot));
  EXPECT_FALSE(IsSkinSlot(DecodeSkinTag(30).slot));
  EXPECT_TRUE(IsSkinSlot(DecodeSkinTag(29).slot));
  EXPECT_TRUE(IsSkinSlot(DecodeSkinTag(1000).slot));  // slot 0 exists, though never loaded

  SkinTag negative = DecodeSkinTag(-22001);
  EXPECT_FALSE(IsSkinSlot(negative.slot));
  EXPECT_EQ(negative.fill, FillStyle::Unknown);
  EXPECT_EQ(negative.output, OutputMode::Copy);
  EXPECT_FALSE(negative.forcedDown);
}

TEST(SkinTag, ComboBoxReadsTheWholeTagAsSlot) {
  EXPECT_EQ(ComboSlot(6), 6);
  EXPECT_FALSE(IsSkinSlot(ComboSlot(22006)));  // no digit splitting for combo boxes
  EXPECT_FALSE(IsSkinSlot(ComboSlot(-1)));
}

}  // namespace
}  // namespace skin
