// Shaping speed: the skin's one-pass outlines against per-pixel GetPixel + per-row CombineRgn, in the
// same run. Prints the figures; fails only when the two ways give different outlines.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "reference_shaping.h"
#include "skin/win32/graphic_engine.h"
#include "skin/win32/bitmap_outline.h"
#include "skin/win32/region_builder.h"
#include "skin/win32/shape_window.h"
#include "skin_test_support.h"

namespace {

using namespace skintest;

// Best of three batches: other processes on the machine only ever add time.
double MillisecondsPerCall(int calls, const std::function<void()>& call) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  double best = 1e30;
  for (int batch = 0; batch < 3; ++batch) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i) call();
    QueryPerformanceCounter(&end);
    best = std::min(best, 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / calls);
  }
  return best;
}

void Report(const char* what, double fast, double slow, double target) {
  std::printf("%-44s skin %8.3f ms   per-pixel %8.3f ms   %6.1fx faster", what, fast, slow, slow / fast);
  if (target > 0) std::printf("   (target under %.1f ms: %s)", target, fast < target ? "met" : "MISSED");
  std::printf("\n");
}

// Background 549 x 557 through ShapeWindowFromImage, on a shown form. True when both outlines are
// equal.
bool BenchmarkBackground() {
  const int width = 549, height = 557;
  HBITMAP picture = MakeBitmap(width, height, [](int x, int y) {
    const COLORREF panel = RoundedPanel(549, 557, 40, RGB(220, 230, 240))(x, y);
    return panel != kKey && (x / 7 + y / 5) % 11 == 0 ? RGB(200, 210, 230) : panel;
  });
  HWND form = CreateForm(width, height);
  HWND image = AddImage(form, picture, 0, 0);
  ShowAndSettle(form);

  const double fastCall = MillisecondsPerCall(20, [&] { skin::ShapeWindowFromImage(form, image); });
  const double fastOutline = MillisecondsPerCall(50, [&] {
    DeleteObject(skin::RegionFromOutline(skin::OutlineOfBitmap(picture, {width, height})));
  });
  HRGN fastRegion = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(form, fastRegion);
  // What both ways pay for applying the region to a shown window.
  const double applyOnly = MillisecondsPerCall(20, [&] {
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, fastRegion, nullptr, RGN_COPY);
    if (SetWindowRgn(form, copy, TRUE) == 0) DeleteObject(copy);
  });

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  const double slowOutline = MillisecondsPerCall(3, [&] { DeleteObject(PerPixelOutline(dc, width, height)); });
  const double slowCall = MillisecondsPerCall(3, [&] {
    HRGN outline = PerPixelOutline(dc, width, height);
    if (SetWindowRgn(form, outline, TRUE) == 0) DeleteObject(outline);
  });
  HRGN slowRegion = PerPixelOutline(dc, width, height);
  SelectObject(dc, old);
  DeleteDC(dc);

  Report("background 549 x 557, whole shaping call", fastCall, slowCall, 5.0);
  Report("background 549 x 557, outline to region only", fastOutline, slowOutline, 0);
  std::printf("  of which SetWindowRgn alone, paid by both: %.3f ms\n", applyOnly);
  const bool same = EqualRgn(fastRegion, slowRegion) != FALSE;
  DeleteObject(fastRegion);
  DeleteObject(slowRegion);
  DestroyForm(form);
  DeleteObject(picture);
  return same;
}

// ShapeFromCanvas of a 124 x 35 button whose outline did not change (every hover repaint).
bool BenchmarkButton() {
  const int width = 124, height = 35;
  HWND form = CreateForm(200, 100);
  HWND button = AddControl(form, L"BUTTON", 0, L"TButton", L"bt_Pair", L"", 0, 10, 10, width, height);
  ShowAndSettle(form);
  skin::DibBitmap canvas;
  canvas.SetSize(width, height);
  const PixelSource pixel = RoundedPanel(width, height, 9, RGB(30, 90, 200));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      canvas.bits()[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  skin::Outline cached;
  skin::GraphicEngine::ShapeFromCanvas(button, cached, canvas);  // first paint applies
  const double fast = MillisecondsPerCall(5000, [&] {
    skin::GraphicEngine::ShapeFromCanvas(button, cached, canvas);
  });

  HRGN cachedRegion = skin::RegionFromOutline(cached);
  skin::MemoryDC dc(canvas.handle());
  const double slow = MillisecondsPerCall(100, [&] {
    PerPixelShapeFromCanvas(button, cachedRegion, dc.get(), width, height);
  });
  HRGN slowRegion = PerPixelOutline(dc.get(), width, height);

  Report("button 124 x 35, ShapeFromCanvas, unchanged", fast, slow, 0.2);
  const bool same = EqualRgn(cachedRegion, slowRegion) != FALSE;
  DeleteObject(cachedRegion);
  DeleteObject(slowRegion);
  DestroyForm(form);
  return same;
}

}  // namespace

int main() {
  const bool background = BenchmarkBackground();
  const bool button = BenchmarkButton();
  std::printf("outlines equal (EqualRgn): background %s, button %s\n", background ? "yes" : "NO",
              button ? "yes" : "NO");
  std::fflush(stdout);
  return background && button ? 0 : 1;
}
