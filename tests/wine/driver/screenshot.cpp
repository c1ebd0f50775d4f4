#include "tests/wine/driver/screenshot.h"

#include "tests/wine/driver/files.h"
#include "tests/wine/driver/png_writer.h"

namespace driver {

COLORREF Capture::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Capture CaptureWindow(HWND window) {
  Capture capture;
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) return capture;
  capture.width = rect.right - rect.left;
  capture.height = rect.bottom - rect.top;
  if (capture.width <= 0 || capture.height <= 0) return {};

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib != nullptr) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(source, source + static_cast<size_t>(capture.width) * capture.height);
    for (uint32_t& p : capture.pixels) p &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
  } else {
    capture = {};
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool WritePng(const Capture& capture, const std::wstring& path) {
  if (capture.width <= 0 || capture.height <= 0) return false;
  return WriteFileBytes(path, EncodePng(capture.width, capture.height, capture.pixels));
}

}  // namespace driver
