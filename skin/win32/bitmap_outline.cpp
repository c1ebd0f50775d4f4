#include "skin/win32/bitmap_outline.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace skin {
namespace {

// Reused between calls: a fresh buffer of a background's size costs more in page faults than the
// whole outline.
std::vector<uint32_t>& Scratch(size_t pixels) {
  static std::vector<uint32_t> scratch;
  if (scratch.size() < pixels) scratch.resize(pixels);
  return scratch;
}

}  // namespace

Outline OutlineOfDib(const DibBitmap& bitmap) {
  if (bitmap.empty()) return {};
  GdiFlush();  // drawing into a DIB section may still be queued
  return OutlineFromPixels(bitmap.bits(), bitmap.width(), bitmap.height(), bitmap.width());
}

Outline OutlineOfBitmap(HBITMAP bitmap, Size area) {
  BITMAP info = {};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) return {};
  const int width = info.bmWidth;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (width <= 0 || height <= 0) return {};

  // Any format and row order, as 32-bit top-down rows.
  BITMAPINFO request = {};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t>& pixels = Scratch(static_cast<size_t>(width) * height);
  MemoryDC dc(nullptr);
  if (GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &request,
                DIB_RGB_COLORS) != height) {
    return {};
  }
  // Rows and columns of the area beyond the bitmap are all key colour: they add nothing.
  return OutlineFromPixels(pixels.data(), std::min(width, area.width), std::min(height, area.height),
                           width);
}

}  // namespace skin
