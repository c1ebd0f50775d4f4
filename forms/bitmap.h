// A picture in memory: a 32-bit top-down DIB section, so pixels can be read without a DC and the
// handle can be given to any GDI call or control (STM_SETIMAGE).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "forms/gdi_handles.h"

namespace forms {

enum class LoadResult { kOk, kMissing, kCorrupt };
// "ok", "missing" or "corrupt": for messages and logs.
const wchar_t* LoadResultText(LoadResult result);

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height) { SetSize(width, height); }
  Bitmap(Bitmap&& other) noexcept { *this = std::move(other); }
  Bitmap& operator=(Bitmap&& other) noexcept;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  // Reads a .bmp file. On failure the bitmap keeps what it held: a missing file gives kMissing, an
  // unreadable, truncated or foreign one kCorrupt.
  LoadResult LoadFromFile(const std::wstring& path);
  // Resizes, keeping the overlapping top-left part; new pixels are black. 0 in either direction
  // empties the bitmap. A size beyond the layer's picture limit is refused (false, unchanged).
  bool SetSize(int width, int height);
  Bitmap Clone() const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return !handle_; }
  HBITMAP Handle() const { return handle_.Get(); }

  // CLR_INVALID outside the picture.
  COLORREF Pixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);
  // Copies the picture 1:1 / stretched onto a DC, without selecting it anywhere (so a bitmap that a
  // Canvas or a control holds can still be drawn).
  void DrawTo(HDC dc, int x, int y) const;
  void StretchTo(HDC dc, const RECT& target) const;

 private:
  BitmapHandle handle_;
  uint32_t* bits_ = nullptr;  // 0x00RRGGBB per pixel, rows top-down
  int width_ = 0;
  int height_ = 0;
};

}  // namespace forms
