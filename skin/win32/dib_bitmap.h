// A 32-bit top-down DIB section: the skin's bitmap objects. Its pixels are directly readable, so
// outlines and colours need no per-pixel GDI calls. Pixels are 0x00RRGGBB in memory.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/geometry.h"
#include "skin/win32/gdi_raii.h"

namespace skin {

class DibBitmap {
 public:
  DibBitmap() = default;
  DibBitmap(const DibBitmap&) = delete;
  DibBitmap& operator=(const DibBitmap&) = delete;

  // Recreates the bitmap only when a size differs; contents are undefined afterwards. A size of 0
  // (or a failed allocation) leaves the bitmap empty.
  void SetSize(int width, int height);
  void Clear();

  // Loads a .bmp file; a missing, unreadable or malformed file leaves the bitmap empty (false).
  bool LoadFromFile(const std::wstring& path);

  bool empty() const { return !handle_; }
  int width() const { return size_.width; }
  int height() const { return size_.height; }
  Size size() const { return size_; }
  HBITMAP handle() const { return handle_.get(); }

  // Direct pixel access; call GdiFlush first when GDI drew into the bitmap.
  uint32_t* bits() { return bits_; }
  const uint32_t* bits() const { return bits_; }
  // The pixel's colour as a COLORREF; 0 outside the bitmap.
  COLORREF PixelColour(int x, int y) const;

 private:
  BitmapHandle handle_;
  uint32_t* bits_ = nullptr;
  Size size_;
};

}  // namespace skin
