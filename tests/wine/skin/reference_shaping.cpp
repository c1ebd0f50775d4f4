#include "reference_shaping.h"

#include <vector>

namespace skintest {

HRGN PerPixelOutline(HDC dc, int width, int height) {
  HRGN outline = CreateRectRgn(0, 0, 0, 0);
  HRGN row = CreateRectRgn(0, 0, 0, 0);
  const COLORREF key = GetPixel(dc, 0, 0);
  std::vector<COLORREF> pixels(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[x] = GetPixel(dc, x, y);
    int first = 0;
    while (first < width && pixels[first] == key) ++first;
    if (first == width) continue;
    int last = width - 1;
    while (last > first && pixels[last] == key) --last;
    SetRectRgn(row, first, y, last + 1, y + 1);
    CombineRgn(outline, outline, row, RGN_OR);
  }
  DeleteObject(row);
  return outline;
}

bool PerPixelShapeFromCanvas(HWND window, HRGN cached, HDC canvas, int width, int height) {
  HRGN outline = PerPixelOutline(canvas, width, height);
  if (EqualRgn(outline, cached)) {
    DeleteObject(outline);
    return false;
  }
  CombineRgn(cached, outline, nullptr, RGN_COPY);
  if (SetWindowRgn(window, outline, TRUE) == 0) DeleteObject(outline);
  return true;
}

}  // namespace skintest
