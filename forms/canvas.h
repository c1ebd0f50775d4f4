// A drawing surface: a bitmap (selected into a memory DC for the canvas's lifetime) or a window's
// client area. Keep canvases short-lived: a bitmap can be selected into one DC at a time.
#pragma once
#include <windows.h>

#include <string>

#include "forms/bitmap.h"
#include "forms/font.h"
#include "forms/gdi_handles.h"

namespace forms {

class Canvas {
 public:
  explicit Canvas(Bitmap& target);
  explicit Canvas(HWND window);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Handle() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(COLORREF color) { FillRect({0, 0, width_, height_}, color); }
  void FillRect(const RECT& area, COLORREF color);
  void Draw(int x, int y, const Bitmap& source) { source.DrawTo(dc_, x, y); }
  void StretchDraw(const RECT& target, const Bitmap& source) { source.StretchTo(dc_, target); }
  // SRCCOPY from another canvas; stretched when the rectangles differ in size.
  void CopyRect(const RECT& target, const Canvas& source, const RECT& from);

  // Text is drawn with a transparent background in the font's colour.
  void SetFont(const Font& font);
  SIZE TextExtent(const std::wstring& text) const;
  void TextOut(int x, int y, const std::wstring& text);
  void DrawText(RECT area, const std::wstring& text, UINT format);

  COLORREF Pixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF color);

 private:
  HDC dc_ = nullptr;
  HWND window_ = nullptr;  // set for a window canvas (ReleaseDC), null for a bitmap canvas (DeleteDC)
  Bitmap* bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  FontHandle font_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace forms
