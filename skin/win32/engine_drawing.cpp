// GraphicEngine's drawing primitives.
#include <algorithm>
#include <cstring>
#include <string>

#include "skin/core/caption_layout.h"
#include "skin/core/cells.h"
#include "skin/core/nine_grid.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

DibBitmap& GraphicEngine::CopySlice(int column, int row, int width, int height,
                                    const DibBitmap& source, DibBitmap& target) {
  target.SetSize(width, height);
  if (target.empty()) return target;
  GdiFlush();
  // Both are 32-bit DIBs: copy rows directly, clipped to the source (anything outside reads black).
  const Rect from = SliceSource(column, row, width, height);
  std::memset(target.bits(), 0, sizeof(uint32_t) * width * height);
  const int left = std::max(from.left, 0);
  const int right = std::min(from.right, source.width());
  for (int y = std::max(from.top, 0); y < std::min(from.bottom, source.height()); ++y) {
    if (left >= right) break;
    std::memcpy(target.bits() + static_cast<size_t>(y - from.top) * width + (left - from.left),
                source.bits() + static_cast<size_t>(y) * source.width() + left,
                sizeof(uint32_t) * (right - left));
  }
  return target;
}

void GraphicEngine::DrawNineGrid(HDC canvas, const DibBitmap& source, int x, int y, int width,
                                 int height) {
  const std::vector<TileCopy> tiles =
      PlanNineGrid(source.size(), Rect{x, y, x + width, y + height});
  if (tiles.empty()) return;
  MemoryDC from(source.handle());
  for (const TileCopy& tile : tiles) {
    BitBlt(canvas, tile.target.x, tile.target.y, tile.source.Width(), tile.source.Height(),
           from.get(), tile.source.left, tile.source.top, SRCCOPY);
  }
}

void GraphicEngine::DrawNineGridWithTextColour(HDC canvas, const DibBitmap& source,
                                               std::optional<uint32_t>& textColour) {
  RECT clip = {};
  GetClipBox(canvas, &clip);
  DrawNineGrid(canvas, source, 0, 0, clip.right, clip.bottom);
  if (std::optional<Point> pixel = NineGridTextColourPixel(source.size())) {
    GdiFlush();
    textColour = source.PixelColour(pixel->x, pixel->y);
  }
}

void GraphicEngine::StretchDraw(HDC canvas, const DibBitmap& bitmap, int x, int y, int width,
                                int height) {
  if (bitmap.empty()) return;
  MemoryDC from(bitmap.handle());
  const int oldMode = SetStretchBltMode(canvas, COLORONCOLOR);
  StretchBlt(canvas, x, y, width, height, from.get(), 0, 0, bitmap.width(), bitmap.height(), SRCCOPY);
  SetStretchBltMode(canvas, oldMode);
}

void GraphicEngine::Draw(HDC canvas, const DibBitmap& bitmap, int x, int y) {
  if (bitmap.empty()) return;
  MemoryDC from(bitmap.handle());
  BitBlt(canvas, x, y, bitmap.width(), bitmap.height(), from.get(), 0, 0, SRCCOPY);
}

void GraphicEngine::DrawAnsiText(HDC canvas, const std::wstring& text, int x, int y) {
  if (text.empty()) return;
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return;
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], bytes, nullptr, nullptr);
  SIZE extent = {};
  GetTextExtentPoint32A(canvas, ansi.data(), bytes, &extent);
  const Rect box = AnsiTextRect(x, y, Size{extent.cx, extent.cy});
  RECT rect = {box.left, box.top, box.right, box.bottom};
  DrawTextA(canvas, ansi.data(), bytes, &rect, DT_NOCLIP);
}

}  // namespace skin
