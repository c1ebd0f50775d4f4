// Geometry and colour of the keyboard-focus cue.
#include "skin/core/focus_cue.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(FocusCue, ColourStandsOutAgainstThePicture) {
  EXPECT_EQ(FocusCueColour(0x00A9F2), kFocusCueOnLight);  // amber pairing button
  EXPECT_EQ(FocusCueColour(0xFFFFFF), kFocusCueOnLight);
  EXPECT_EQ(FocusCueColour(0xB26F1F), kFocusCueOnDark);   // brand blue
  EXPECT_EQ(FocusCueColour(0x3F2610), kFocusCueOnDark);   // navy title bar
}

TEST(FocusCue, RingInsideTheControlDottedAllRound) {
  EXPECT_EQ(FocusCueInset({90, 25}), 4);
  EXPECT_EQ(FocusCueInset({20, 20}), 3);
  EXPECT_EQ(FocusCueInset({12, 13}), 1);
  EXPECT_EQ(FocusCueRing({0, 0, 20, 20}, 3), (Rect{3, 3, 17, 17}));
  EXPECT_FALSE(FocusCueRing({0, 0, 8, 20}, 3).has_value());  // only 2 pixels would remain

  const std::vector<Point> dots = FocusCueDots({0, 0, 5, 4});
  // Perimeter of 5 x 4 is 14 pixels: every other one, starting at the corner.
  ASSERT_EQ(dots.size(), 7u);
  EXPECT_EQ(dots.front(), (Point{0, 0}));
  for (const Point& p : dots) {
    EXPECT_TRUE(p.x == 0 || p.x == 4 || p.y == 0 || p.y == 3) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace skin
