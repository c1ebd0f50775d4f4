// The outline of a shaped window: per row, the span from the first to the last pixel that differs
// from the key colour (pixel (0, 0)). Key pixels between them stay inside: the outline has no holes.
#pragma once
#include <cstdint>
#include <vector>

namespace skin {

// Pixels [left, right) of row y.
struct RowSpan {
  int y = 0;
  int left = 0;
  int right = 0;
  bool operator==(const RowSpan& o) const { return y == o.y && left == o.left && right == o.right; }
  bool operator!=(const RowSpan& o) const { return !(*this == o); }
};

// Rows in ascending order, at most one span each. A row has one span whatever the region, so two
// outlines are equal exactly when their regions are.
using Outline = std::vector<RowSpan>;

// Only the low 24 bits of a pixel (its colour) count.
inline constexpr uint32_t kColourMask = 0x00FFFFFF;

// Outline of any pixel source: colourAt(x, y) gives a pixel's colour (low 24 bits). Each row is read
// from the left up to its first non-key pixel and from the right down to its last, nothing between.
template <typename ColourAt>
Outline OutlineOf(int width, int height, ColourAt colourAt) {
  Outline outline;
  if (width <= 0 || height <= 0) return outline;
  const uint32_t key = colourAt(0, 0) & kColourMask;
  for (int y = 0; y < height; ++y) {
    int first = 0;
    while (first < width && (colourAt(first, y) & kColourMask) == key) ++first;
    if (first == width) continue;
    int last = width - 1;
    while (last > first && (colourAt(last, y) & kColourMask) == key) --last;
    outline.push_back({y, first, last + 1});
  }
  return outline;
}

// Outline of a top-down image of 32-bit pixels; stride is in pixels. An empty image gives an empty
// outline.
Outline OutlineFromPixels(const uint32_t* pixels, int width, int height, int stride);

}  // namespace skin
