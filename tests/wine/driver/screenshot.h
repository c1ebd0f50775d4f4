// Screen captures of a window. Cross-process PrintWindow gives black images under Wine, so the
// capture copies the screen at the window's rectangle: keep the window uncovered.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

struct Capture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down

  // COLORREF of a pixel; CLR_INVALID outside.
  COLORREF Pixel(int x, int y) const;
};

Capture CaptureWindow(HWND window);
bool WritePng(const Capture& capture, const std::wstring& path);

}  // namespace driver
