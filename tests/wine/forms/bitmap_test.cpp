// Bitmap loading (every damaged file must fail cleanly and leave the picture alone), resizing and
// canvases.
#include <gtest/gtest.h>

#include <cstring>

#include "forms/bitmap.h"
#include "forms/canvas.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/forms/demo_art.h"

namespace {

std::wstring TestFile(const std::wstring& name) {
  const std::wstring folder = driver::ProgramFolder() + L"bitmap_test_files\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + name;
}

// A file of `bits` bits per pixel with a header for width x height (negative: top-down), the given
// palette (RGBQUAD bytes) and pixel bytes.
std::string BmpBytes(int width, int height, int bits, const std::string& palette, const std::string& pixels) {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = static_cast<DWORD>(sizeof(file) + sizeof(info) + palette.size());
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bits);
  info.biClrUsed = static_cast<DWORD>(palette.size() / 4);
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
  return bytes + palette + pixels;
}

TEST(BitmapLoad, ReadsA24BitBottomUpFileExactly) {
  const std::wstring path = TestFile(L"background.bmp");
  ASSERT_TRUE(demo::WriteBackground(path));
  forms::Bitmap bitmap;
  ASSERT_EQ(forms::LoadResult::kOk, bitmap.LoadFromFile(path));
  ASSERT_EQ(demo::kBackgroundWidth, bitmap.Width());
  ASSERT_EQ(demo::kBackgroundHeight, bitmap.Height());
  for (int y = 0; y < bitmap.Height(); y += 7) {
    for (int x = 0; x < bitmap.Width(); x += 5) {
      ASSERT_EQ(demo::BackgroundPixel(x, y), bitmap.Pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(CLR_INVALID, bitmap.Pixel(-1, 0));
  EXPECT_EQ(CLR_INVALID, bitmap.Pixel(0, bitmap.Height()));
}

TEST(BitmapLoad, ReadsPaletteFilesTopDownAndPadded) {
  // 8-bit, top-down, 3 x 2: rows padded to 4 bytes.
  const std::string palette("\x00\x00\xFF\x00" "\x00\xFF\x00\x00" "\xFF\x00\x00\x00", 12);  // red, green, blue
  const std::string rows("\x00\x01\x02\x00" "\x02\x02\x00\x00", 8);
  const std::wstring path8 = TestFile(L"palette8.bmp");
  ASSERT_TRUE(demo::WriteBytes(path8, BmpBytes(3, -2, 8, palette, rows)));
  forms::Bitmap bitmap;
  ASSERT_EQ(forms::LoadResult::kOk, bitmap.LoadFromFile(path8));
  EXPECT_EQ(RGB(255, 0, 0), bitmap.Pixel(0, 0));
  EXPECT_EQ(RGB(0, 255, 0), bitmap.Pixel(1, 0));
  EXPECT_EQ(RGB(0, 0, 255), bitmap.Pixel(2, 0));
  EXPECT_EQ(RGB(255, 0, 0), bitmap.Pixel(2, 1));

  // 1-bit, bottom-up, 9 x 1: the ninth pixel lives in the second byte.
  const std::string mono("\x00\x00\x00\x00" "\xFF\xFF\xFF\x00", 8);
  const std::wstring path1 = TestFile(L"mono.bmp");
  ASSERT_TRUE(demo::WriteBytes(path1, BmpBytes(9, 1, 1, mono, std::string("\xAA\x80\x00\x00", 4))));
  ASSERT_EQ(forms::LoadResult::kOk, bitmap.LoadFromFile(path1));
  EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(0, 0));
  EXPECT_EQ(RGB(0, 0, 0), bitmap.Pixel(1, 0));
  EXPECT_EQ(RGB(255, 255, 255), bitmap.Pixel(8, 0));
}

TEST(BitmapLoad, DamagedFilesFailCleanlyAndKeepThePicture) {
  forms::Bitmap bitmap(4, 3);
  bitmap.SetPixel(1, 1, RGB(1, 2, 3));
  std::string header = BmpBytes(2, 2, 24, "", std::string(16, '\x10'));

  auto withLong = [&](size_t offset, int32_t value) {
    std::string bytes = header;
    std::memcpy(&bytes[offset], &value, 4);
    return bytes;
  };
  const size_t info = sizeof(BITMAPFILEHEADER);
  const struct {
    const wchar_t* name;
    std::string bytes;
  } cases[] = {
      {L"empty.bmp", ""},
      {L"text.bmp", "this is not a picture at all, just text that is long enough"},
      {L"truncated.bmp", demo::TruncatedBitmap()},
      {L"header_only.bmp", header.substr(0, 30)},
      {L"zero_width.bmp", withLong(info + 4, 0)},
      {L"huge.bmp", withLong(info + 4, 100000)},
      {L"header_size.bmp", withLong(info, 99)},
      {L"offset_past_end.bmp", withLong(10, 5000)},
      {L"bits_7.bmp", [&] { std::string b = header; b[info + 14] = 7; return b; }()},
      {L"rle_oversized.bmp", [&] {
         std::string b = withLong(info + 16, BI_RLE8);
         b[info + 14] = 8;
         int32_t size = 100000;
         std::memcpy(&b[info + 20], &size, 4);
         return b;
       }()},
      {L"palette_too_long.bmp", [&] { std::string b = withLong(info + 32, 4096); b[info + 14] = 8; return b; }()},
  };
  for (const auto& c : cases) {
    const std::wstring path = TestFile(c.name);
    ASSERT_TRUE(demo::WriteBytes(path, c.bytes));
    EXPECT_EQ(forms::LoadResult::kCorrupt, bitmap.LoadFromFile(path)) << std::string(c.name, c.name + wcslen(c.name));
    EXPECT_EQ(4, bitmap.Width());
    EXPECT_EQ(RGB(1, 2, 3), bitmap.Pixel(1, 1));
  }
  EXPECT_EQ(forms::LoadResult::kMissing, bitmap.LoadFromFile(TestFile(L"no_such_file.bmp")));
  EXPECT_EQ(forms::LoadResult::kMissing, bitmap.LoadFromFile(L""));
  EXPECT_NE(forms::LoadResult::kOk, bitmap.LoadFromFile(driver::ProgramFolder()));  // a folder
  EXPECT_EQ(RGB(1, 2, 3), bitmap.Pixel(1, 1));
}

TEST(BitmapSize, ResizeKeepsTheOverlapAndRefusesAbsurdSizes) {
  forms::Bitmap bitmap(2, 2);
  bitmap.SetPixel(1, 1, RGB(9, 8, 7));
  ASSERT_TRUE(bitmap.SetSize(5, 4));
  EXPECT_EQ(RGB(9, 8, 7), bitmap.Pixel(1, 1));
  EXPECT_EQ(RGB(0, 0, 0), bitmap.Pixel(4, 3));
  EXPECT_FALSE(bitmap.SetSize(100000, 100000));
  EXPECT_EQ(5, bitmap.Width());
  forms::Bitmap copy = bitmap.Clone();
  EXPECT_EQ(RGB(9, 8, 7), copy.Pixel(1, 1));
  EXPECT_NE(copy.Handle(), bitmap.Handle());
  ASSERT_TRUE(bitmap.SetSize(0, 4));
  EXPECT_TRUE(bitmap.Empty());
  forms::Bitmap moved = std::move(copy);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(CLR_INVALID, copy.Pixel(1, 1));
  EXPECT_EQ(RGB(9, 8, 7), moved.Pixel(1, 1));
}

TEST(CanvasDrawing, FillsDrawsAndWritesTextIntoABitmap) {
  forms::Bitmap target(40, 20);
  forms::Bitmap stamp(2, 2);
  stamp.SetPixel(0, 0, RGB(200, 0, 0));
  {
    forms::Canvas canvas(target);
    canvas.Fill(RGB(0, 0, 255));
    canvas.FillRect({0, 0, 10, 10}, RGB(0, 255, 0));
    canvas.Draw(30, 5, stamp);
    EXPECT_EQ(RGB(0, 255, 0), canvas.Pixel(9, 9));
  }
  EXPECT_EQ(RGB(0, 255, 0), target.Pixel(0, 0));
  EXPECT_EQ(RGB(0, 0, 255), target.Pixel(10, 10));
  EXPECT_EQ(RGB(200, 0, 0), target.Pixel(30, 5));
  EXPECT_EQ(RGB(0, 0, 0), target.Pixel(31, 6));

  // The first canvas let go of the bitmap: a second one can draw into it.
  forms::Canvas text(target);
  text.SetFont({L"Tahoma", 14, true, RGB(255, 255, 255)});
  const SIZE extent = text.TextExtent(L"Hi");
  EXPECT_GT(extent.cx, 0);
  text.TextOut(12, 2, L"Hi");
  int white = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 12; x < 12 + extent.cx; ++x) white += target.Pixel(x, y) == RGB(255, 255, 255);
  }
  EXPECT_GT(white, 5);
}

}  // namespace
