#include "skin/win32/dib_bitmap.h"

#include <cstring>
#include <optional>
#include <vector>

#include "framework/core/file_io.h"
#include "skin/core/bitmap_file.h"

namespace skin {

void DibBitmap::SetSize(int width, int height) {
  if (width == size_.width && height == size_.height && (!empty() || width <= 0 || height <= 0)) {
    return;
  }
  Clear();
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return;
  handle_.reset(bitmap);
  bits_ = static_cast<uint32_t*>(bits);
  size_ = {width, height};
}

void DibBitmap::Clear() {
  handle_.reset();
  bits_ = nullptr;
  size_ = {};
}

bool DibBitmap::LoadFromFile(const std::wstring& path) {
  Clear();
  std::optional<std::string> bytes = framework::ReadFileBytes(path);
  if (!bytes) return false;
  std::optional<BitmapFileLayout> layout = ParseBitmapFile(*bytes);
  if (!layout) return false;

  // Header and colour table copied to aligned storage for GDI.
  std::vector<uint32_t> info((layout->infoSize + 3) / 4);
  memcpy(info.data(), bytes->data() + layout->infoOffset, layout->infoSize);
  SetSize(layout->width, layout->height);
  if (empty()) return false;
  MemoryDC dc(nullptr);
  int rows = SetDIBits(dc.get(), handle(), 0, static_cast<UINT>(layout->height),
                       bytes->data() + layout->pixelOffset,
                       reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  if (rows <= 0) {
    Clear();
    return false;
  }
  return true;
}

COLORREF DibBitmap::PixelColour(int x, int y) const {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= size_.width || y >= size_.height) return 0;
  uint32_t pixel = bits_[static_cast<size_t>(y) * size_.width + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace skin
