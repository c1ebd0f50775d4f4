#include "forms/bitmap.h"

#include <algorithm>
#include <cstring>

#include "forms/core/bmp_reader.h"
#include "framework/core/file_io.h"

namespace forms {
namespace {

BITMAPINFO TopDownInfo(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first, as Pixel() indexes it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

HBITMAP CreateDib(int width, int height, uint32_t** bits) {
  BITMAPINFO info = TopDownInfo(width, height);
  void* memory = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  *bits = handle ? static_cast<uint32_t*>(memory) : nullptr;
  return handle;
}

}  // namespace

const wchar_t* LoadResultText(LoadResult result) {
  switch (result) {
    case LoadResult::kOk: return L"ok";
    case LoadResult::kMissing: return L"missing";
    case LoadResult::kCorrupt: return L"corrupt";
  }
  return L"corrupt";
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    handle_ = std::move(other.handle_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

LoadResult Bitmap::LoadFromFile(const std::wstring& path) {
  if (!framework::FileExists(path)) return LoadResult::kMissing;
  const std::optional<std::string> bytes = framework::ReadFileBytes(path);
  if (!bytes) return LoadResult::kCorrupt;
  const std::optional<BmpContents> contents = ParseBmp(*bytes);
  if (!contents) return LoadResult::kCorrupt;

  uint32_t* bits = nullptr;
  BitmapHandle loaded(CreateDib(contents->width, contents->height, &bits));
  if (!loaded) return LoadResult::kCorrupt;
  // SetDIBits converts every file format into our 32-bit layout; it reports 0 rows for RLE data
  // that does not decode.
  WindowDc screen(nullptr);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(contents->info.data());
  const int rows = SetDIBits(screen.Get(), loaded.Get(), 0, contents->height,
                             bytes->data() + contents->bitsOffset, info, DIB_RGB_COLORS);
  if (rows <= 0) return LoadResult::kCorrupt;
  handle_ = std::move(loaded);
  bits_ = bits;
  width_ = contents->width;
  height_ = contents->height;
  return LoadResult::kOk;
}

bool Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return true;
  if (static_cast<long long>(width) * height > kMaxBitmapPixels) return false;
  if (width == 0 || height == 0) {
    handle_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    return true;
  }
  uint32_t* bits = nullptr;
  BitmapHandle resized(CreateDib(width, height, &bits));
  if (!resized) return false;
  std::memset(bits, 0, static_cast<size_t>(width) * height * 4);
  if (bits_ != nullptr) {
    GdiFlush();
    const int copyWidth = std::min(width, width_);
    for (int y = 0; y < std::min(height, height_); ++y) {
      std::memcpy(bits + static_cast<size_t>(y) * width, bits_ + static_cast<size_t>(y) * width_,
                  static_cast<size_t>(copyWidth) * 4);
    }
  }
  handle_ = std::move(resized);
  bits_ = bits;
  width_ = width;
  height_ = height;
  return true;
}

Bitmap Bitmap::Clone() const {
  Bitmap copy;
  if (Empty() || !copy.SetSize(width_, height_)) return copy;
  GdiFlush();
  std::memcpy(copy.bits_, bits_, static_cast<size_t>(width_) * height_ * 4);
  return copy;
}

COLORREF Bitmap::Pixel(int x, int y) const {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();  // drawing through a DC may still be queued
  const uint32_t value = bits_[static_cast<size_t>(y) * width_ + x];
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void Bitmap::SetPixel(int x, int y, COLORREF color) {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  GdiFlush();
  bits_[static_cast<size_t>(y) * width_ + x] =
      static_cast<uint32_t>(GetRValue(color)) << 16 | GetGValue(color) << 8 | GetBValue(color);
}

void Bitmap::DrawTo(HDC dc, int x, int y) const {
  if (bits_ == nullptr) return;
  GdiFlush();
  BITMAPINFO info = TopDownInfo(width_, height_);
  SetDIBitsToDevice(dc, x, y, width_, height_, 0, 0, 0, height_, bits_, &info, DIB_RGB_COLORS);
}

void Bitmap::StretchTo(HDC dc, const RECT& target) const {
  if (bits_ == nullptr) return;
  GdiFlush();
  BITMAPINFO info = TopDownInfo(width_, height_);
  StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
                0, 0, width_, height_, bits_, &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace forms
