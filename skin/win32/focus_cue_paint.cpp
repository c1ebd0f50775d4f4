#include "skin/win32/focus_cue_paint.h"

#include <cstdint>
#include <vector>

#include "skin/core/focus_cue.h"

namespace skin {
namespace {

// DIB pixels are 0x00RRGGBB, COLORREF is 0x00BBGGRR.
uint32_t Swap(uint32_t colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace

void DrawFocusCue(DibBitmap& work, Rect bounds, int inset, bool keepKeyPixels) {
  if (work.empty()) return;
  const std::optional<Rect> ring = FocusCueRing(bounds, inset);
  if (!ring) return;
  GdiFlush();
  uint32_t* bits = work.bits();
  const int width = work.width(), height = work.height();
  const uint32_t key = bits[0] & kColourMask;
  std::vector<uint32_t*> targets;
  uint64_t red = 0, green = 0, blue = 0;
  for (const Point& dot : FocusCueDots(*ring)) {
    if (dot.x < 0 || dot.y < 0 || dot.x >= width || dot.y >= height) continue;
    uint32_t* pixel = bits + static_cast<size_t>(dot.y) * width + dot.x;
    if (keepKeyPixels && (*pixel & kColourMask) == key) continue;
    targets.push_back(pixel);
    red += (*pixel >> 16) & 0xFF;
    green += (*pixel >> 8) & 0xFF;
    blue += *pixel & 0xFF;
  }
  if (targets.empty()) return;
  const uint64_t n = targets.size();
  const uint32_t average = static_cast<uint32_t>(RGB(red / n, green / n, blue / n));
  const uint32_t colour = Swap(FocusCueColour(average));
  for (uint32_t* pixel : targets) *pixel = colour;
}

void ReleaseOutline(HWND control, Outline& cached) {
  if (cached.empty()) return;
  SetWindowRgn(control, nullptr, TRUE);
  cached.clear();
}

}  // namespace skin
