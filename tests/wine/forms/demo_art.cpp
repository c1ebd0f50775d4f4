#include "tests/wine/forms/demo_art.h"

#include <cstring>

#include "tests/wine/driver/files.h"

namespace demo {

COLORREF BackgroundPixel(int x, int y) {
  // Distinct in every row and column; far from the dark text colours the demo uses.
  return RGB(x % 256, (y * 3) % 256, 160 + (x / 256) * 40);
}

namespace {

std::string BitmapFile(int width, int height, bool fill) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + stride * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
  if (!fill) return bytes;
  std::string row(stride, '\0');
  for (int y = height - 1; y >= 0; --y) {  // bottom-up
    for (int x = 0; x < width; ++x) {
      const COLORREF c = BackgroundPixel(x, y);
      row[x * 3] = static_cast<char>(GetBValue(c));
      row[x * 3 + 1] = static_cast<char>(GetGValue(c));
      row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
    bytes += row;
  }
  return bytes;
}

}  // namespace

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  return driver::WriteFileBytes(path, bytes);
}

bool WriteBackground(const std::wstring& path) {
  return WriteBytes(path, BitmapFile(kBackgroundWidth, kBackgroundHeight, true));
}

std::string TruncatedBitmap() {
  std::string bytes = BitmapFile(64, 64, false);
  bytes.append(100, '\x7F');  // far less than 64 rows
  return bytes;
}

}  // namespace demo
