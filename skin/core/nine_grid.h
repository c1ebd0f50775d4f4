// Nine-grid drawing: a source cut into 3 x 3 cells, tiled so that edges and corners keep their size.
#pragma once
#include <optional>
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// One cell copied one to one: source (cell-sized) onto target (its top-left corner).
struct TileCopy {
  Rect source;
  Point target;
  bool operator==(const TileCopy& o) const { return source == o.source && target == o.target; }
};

// The copies that paint `target` from `source`, in painting order: centre tiled over the rectangle,
// top and bottom edges, left and right edges, then the four corners. Cells are (width / 3) x
// (height / 3); rows below 3 * cell height are not part of the grid. A cell size of 0 (a source
// narrower or lower than 3 pixels, an empty slot) gives no copies. Tiles reaching past `target` are
// left for the canvas to clip.
std::vector<TileCopy> PlanNineGrid(Size source, Rect target);

// A source whose height is not a multiple of 3 carries a caption colour in the first pixel of the
// first row below the grid: (0, 3 * (height / 3)). None for other sources, or an empty one.
std::optional<Point> NineGridTextColourPixel(Size source);

}  // namespace skin
