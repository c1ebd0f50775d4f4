#include "skin/core/focus_cue.h"

namespace skin {

uint32_t FocusCueColour(uint32_t average) {
  const int red = average & 0xFF, green = (average >> 8) & 0xFF, blue = (average >> 16) & 0xFF;
  // Perceived brightness (ITU-R BT.601 weights), 0..255.
  const int luma = (299 * red + 587 * green + 114 * blue) / 1000;
  return luma >= 128 ? kFocusCueOnLight : kFocusCueOnDark;
}

std::optional<Rect> FocusCueRing(Rect bounds, int inset) {
  const Rect ring{bounds.left + inset, bounds.top + inset, bounds.right - inset, bounds.bottom - inset};
  if (ring.Width() < 3 || ring.Height() < 3) return std::nullopt;
  return ring;
}

int FocusCueInset(Size control) {
  const int smaller = control.width < control.height ? control.width : control.height;
  if (smaller >= 24) return 4;
  if (smaller >= 16) return 3;
  return 1;
}

std::vector<Point> FocusCueDots(Rect ring) {
  std::vector<Point> edge;
  const int right = ring.right - 1, bottom = ring.bottom - 1;
  for (int x = ring.left; x < right; ++x) edge.push_back({x, ring.top});
  for (int y = ring.top; y < bottom; ++y) edge.push_back({right, y});
  for (int x = right; x > ring.left; --x) edge.push_back({x, bottom});
  for (int y = bottom; y > ring.top; --y) edge.push_back({ring.left, y});
  std::vector<Point> dots;
  for (size_t i = 0; i < edge.size(); i += 2) dots.push_back(edge[i]);
  return dots;
}

}  // namespace skin
