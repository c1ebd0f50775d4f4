#include "pairtool/app/resources.h"

#include <vector>

bool LoadBackgroundBitmap(forms::Bitmap* out) {
  HBITMAP source = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(IDB_PAIRFORM_BACKGROUND),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!source) return false;
  BITMAP info{};
  GetObjectW(source, sizeof info, &info);
  const int width = info.bmWidth, height = info.bmHeight;

  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;  // top-down rows
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, source, 0, height, pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(source);
  if (rows != height || !out->SetSize(width, height)) return false;

  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * width + x];  // 0x00RRGGBB
      out->SetPixel(x, y, RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  }
  return true;
}
