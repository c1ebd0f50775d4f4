#include "skin/core/nine_grid.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skin {
namespace {

std::vector<TileCopy> Slice(const std::vector<TileCopy>& all, size_t from, size_t count) {
  return std::vector<TileCopy>(all.begin() + from, all.begin() + from + count);
}

TileCopy Cell(int column, int row, int x, int y) {
  return {Rect{column * 10, row * 10, column * 10 + 10, row * 10 + 10}, Point{x, y}};
}

TEST(NineGrid, TilesInOrderWithTheRowAndColumnBoundsOfEachPass) {
  // 30 x 30 source: 10 x 10 cells, painted onto (5, 7, 20 x 20).
  auto tiles = PlanNineGrid({30, 30}, Rect{5, 7, 25, 27});
  // Centre: columns 5, 15, 25 (start at most x + width); rows 7, 17 (start below y + height).
  EXPECT_EQ(Slice(tiles, 0, 6), (std::vector<TileCopy>{Cell(1, 1, 5, 7), Cell(1, 1, 5, 17),
                                                         Cell(1, 1, 15, 7), Cell(1, 1, 15, 17),
                                                         Cell(1, 1, 25, 7), Cell(1, 1, 25, 17)}));
  EXPECT_EQ(Slice(tiles, 6, 3),
            (std::vector<TileCopy>{Cell(1, 0, 5, 7), Cell(1, 0, 15, 7), Cell(1, 0, 25, 7)}));
  EXPECT_EQ(Slice(tiles, 9, 3),
            (std::vector<TileCopy>{Cell(1, 2, 5, 17), Cell(1, 2, 15, 17), Cell(1, 2, 25, 17)}));
  // Edge rows include the start y + height.
  EXPECT_EQ(Slice(tiles, 12, 3),
            (std::vector<TileCopy>{Cell(0, 1, 5, 7), Cell(0, 1, 5, 17), Cell(0, 1, 5, 27)}));
  EXPECT_EQ(Slice(tiles, 15, 3),
            (std::vector<TileCopy>{Cell(2, 1, 15, 7), Cell(2, 1, 15, 17), Cell(2, 1, 15, 27)}));
  EXPECT_EQ(Slice(tiles, 18, 4), (std::vector<TileCopy>{Cell(0, 0, 5, 7), Cell(0, 2, 5, 17),
                                                          Cell(2, 0, 15, 7), Cell(2, 2, 15, 17)}));
  EXPECT_EQ(tiles.size(), 22u);
}

TEST(NineGrid, RowsBelowTheGridAreNotRead) {
  // 60 x 61: cells 20 x 20; the extra row 60 (the caption colour) never becomes part of a cell.
  auto tiles = PlanNineGrid({60, 61}, Rect{0, 0, 100, 50});
  for (const TileCopy& t : tiles) {
    EXPECT_LE(t.source.bottom, 60);
    EXPECT_EQ(t.source.Width(), 20);
    EXPECT_EQ(t.source.Height(), 20);
  }
}

TEST(NineGrid, ZeroCellSizeEndsWithoutCopies) {
  EXPECT_TRUE(PlanNineGrid({0, 0}, Rect{0, 0, 77, 26}).empty());
  EXPECT_TRUE(PlanNineGrid({2, 90}, Rect{0, 0, 77, 26}).empty());
  EXPECT_TRUE(PlanNineGrid({90, 2}, Rect{0, 0, 77, 26}).empty());
}

TEST(NineGrid, ExtremeTargetsStayFinite) {
  EXPECT_EQ(PlanNineGrid({3, 3}, Rect{0, 0, 0, 0}).size(), 8u);  // no centre row, one tile per edge
  EXPECT_EQ(PlanNineGrid({3, 3}, Rect{0, 0, -50, -50}).size(), 4u);  // corners only
}

TEST(NineGridTextColour, TakenBelowTheGridOnlyWhenHeightIsNotAMultipleOfThree) {
  EXPECT_EQ(NineGridTextColourPixel({60, 61}), (Point{0, 60}));
  EXPECT_EQ(NineGridTextColourPixel({60, 62}), (Point{0, 60}));
  EXPECT_FALSE(NineGridTextColourPixel({60, 60}).has_value());
  EXPECT_FALSE(NineGridTextColourPixel({0, 0}).has_value());
  EXPECT_FALSE(NineGridTextColourPixel({0, 61}).has_value());  // no pixel to read
  EXPECT_EQ(NineGridTextColourPixel({1, 1}), (Point{0, 0}));
}

}  // namespace
}  // namespace skin
