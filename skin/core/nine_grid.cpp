#include "skin/core/nine_grid.h"

namespace skin {

std::vector<TileCopy> PlanNineGrid(Size source, Rect target) {
  const int l = source.width / 3;
  const int h = source.height / 3;
  std::vector<TileCopy> tiles;
  // Without a cell size the tiling steps would not advance; there is nothing to copy either.
  if (l <= 0 || h <= 0) return tiles;

  const int x = target.left;
  const int y = target.top;
  const int width = target.Width();
  const int height = target.Height();
  auto cell = [&](int column, int row, int tx, int ty) {
    tiles.push_back({Rect{column * l, row * h, (column + 1) * l, (row + 1) * h}, Point{tx, ty}});
  };

  // Columns run while their start is at most x + width; centre rows while their start is below
  // y + height, edge rows while at most y + height.
  for (int cx = x; cx <= x + width; cx += l) {
    for (int cy = y; cy < y + height; cy += h) cell(1, 1, cx, cy);
  }
  for (int cx = x; cx <= x + width; cx += l) cell(1, 0, cx, y);
  for (int cx = x; cx <= x + width; cx += l) cell(1, 2, cx, y + height - h);
  for (int cy = y; cy <= y + height; cy += h) cell(0, 1, x, cy);
  for (int cy = y; cy <= y + height; cy += h) cell(2, 1, x + width - l, cy);
  cell(0, 0, x, y);
  cell(0, 2, x, y + height - h);
  cell(2, 0, x + width - l, y);
  cell(2, 2, x + width - l, y + height - h);
  return tiles;
}

std::optional<Point> NineGridTextColourPixel(Size source) {
  if (source.width <= 0 || source.height <= 0 || source.height % 3 == 0) return std::nullopt;
  return Point{0, 3 * (source.height / 3)};
}

}  // namespace skin
