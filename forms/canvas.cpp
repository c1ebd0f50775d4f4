#include "forms/canvas.h"

namespace forms {

Canvas::Canvas(Bitmap& target) : bitmap_(&target) {
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ != nullptr && !target.Empty()) oldBitmap_ = SelectObject(dc_, target.Handle());
  width_ = target.Width();
  height_ = target.Height();
  SetBkMode(dc_, TRANSPARENT);
}

Canvas::Canvas(HWND window) : window_(window) {
  dc_ = GetDC(window);
  RECT client = {};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  SetBkMode(dc_, TRANSPARENT);
}

Canvas::~Canvas() {
  if (dc_ == nullptr) return;
  if (oldFont_ != nullptr) SelectObject(dc_, oldFont_);
  if (window_ != nullptr) {
    ReleaseDC(window_, dc_);
  } else {
    if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
}

void Canvas::FillRect(const RECT& area, COLORREF color) {
  BrushHandle brush(CreateSolidBrush(color));
  ::FillRect(dc_, &area, brush.Get());
}

void Canvas::CopyRect(const RECT& target, const Canvas& source, const RECT& from) {
  const int width = target.right - target.left, height = target.bottom - target.top;
  const int fromWidth = from.right - from.left, fromHeight = from.bottom - from.top;
  if (width == fromWidth && height == fromHeight) {
    BitBlt(dc_, target.left, target.top, width, height, source.dc_, from.left, from.top, SRCCOPY);
  } else {
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, target.left, target.top, width, height, source.dc_, from.left, from.top, fromWidth,
               fromHeight, SRCCOPY);
  }
}

void Canvas::SetFont(const Font& font) {
  FontHandle created = font.Create();
  HGDIOBJ previous = SelectObject(dc_, created.Get());
  if (oldFont_ == nullptr) oldFont_ = previous;  // the DC's own font goes back at the end
  font_ = std::move(created);                     // deletes the font selected before, now deselected
  SetTextColor(dc_, font.color);
}

SIZE Canvas::TextExtent(const std::wstring& text) const {
  SIZE size = {};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void Canvas::TextOut(int x, int y, const std::wstring& text) {
  ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void Canvas::DrawText(RECT area, const std::wstring& text, UINT format) {
  ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area, format);
}

COLORREF Canvas::Pixel(int x, int y) const {
  if (bitmap_ != nullptr) return bitmap_->Pixel(x, y);
  return GetPixel(dc_, x, y);
}

void Canvas::SetPixel(int x, int y, COLORREF color) {
  if (bitmap_ != nullptr) {
    GdiFlush();
    bitmap_->SetPixel(x, y, color);
  } else {
    ::SetPixel(dc_, x, y, color);
  }
}

}  // namespace forms
