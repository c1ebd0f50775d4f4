// The skin's Win32 pieces used directly, as the deliverables that link the skin library do.
#include <gtest/gtest.h>

#include "skin/core/slot_table.h"
#include "skin/win32/bitmap_outline.h"
#include "skin/win32/graphic_engine.h"
#include "skin/win32/lustrea.h"
#include "skin/win32/region_builder.h"
#include "skin/win32/shape_window.h"
#include "skin_test_support.h"

namespace skintest {
namespace {

using skin::DibBitmap;
using skin::GraphicEngine;

void Fill(DibBitmap& bitmap, const PixelSource& pixel) {
  GdiFlush();
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const COLORREF c = pixel(x, y);
      bitmap.bits()[y * bitmap.width() + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
}

HRGN RegionOf(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, region);
  if (kind == ERROR) {
    DeleteObject(region);
    return nullptr;
  }
  return region;
}

// The picture in another format: a DIB section of `bits` per pixel, or a device bitmap (bits 0).
HBITMAP CopyAs(HBITMAP source, int width, int height, int bits, bool bottomUp) {
  HDC screen = GetDC(nullptr);
  HBITMAP copy;
  if (bits == 0) {
    copy = CreateCompatibleBitmap(screen, width, height);
  } else {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bottomUp ? height : -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    void* pixels = nullptr;
    copy = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  }
  {
    skin::MemoryDC from(source), to(copy);
    BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY);
  }
  ReleaseDC(nullptr, screen);
  return copy;
}

TEST(BitmapOutline, EveryBitmapFormatGivesTheSameOutline) {
  const int width = 61, height = 23;  // odd width: padded rows
  HBITMAP original = MakeBitmap(width, height, RoundedPanel(width, height, 7, RGB(30, 90, 200)));
  const skin::Outline expected = skin::OutlineOfBitmap(original, {width, height});
  ASSERT_EQ(expected.size(), 23u);
  EXPECT_EQ(expected[0].left, 7);
  for (auto [bits, bottomUp] : {std::pair{24, true}, {24, false}, {32, true}, {16, true}, {0, false}}) {
    HBITMAP copy = CopyAs(original, width, height, bits, bottomUp);
    EXPECT_EQ(skin::OutlineOfBitmap(copy, {width, height}), expected) << bits << " " << bottomUp;
    DeleteObject(copy);
  }
  // The area bounds the outline; beyond the bitmap it adds nothing.
  EXPECT_EQ(skin::OutlineOfBitmap(original, {width, 10}), skin::Outline(expected.begin(), expected.begin() + 10));
  EXPECT_EQ(skin::OutlineOfBitmap(original, {width + 40, height + 40}), expected);
  EXPECT_EQ(skin::OutlineOfBitmap(original, {30, height})[12].right, 30);
  DeleteObject(original);
}

class ShapeWindowTest : public testing::Test {
 protected:
  void SetUp() override { form_ = CreateForm(120, 80); }
  void TearDown() override {
    DestroyForm(form_);
    if (picture_ != nullptr) DeleteObject(picture_);
  }
  HWND ImageOf(const PixelSource& pixel, int width = 120, int height = 80) {
    picture_ = MakeBitmap(width, height, pixel);
    return AddImage(form_, picture_, 0, 0);
  }
  HWND form_ = nullptr;
  HBITMAP picture_ = nullptr;
};

TEST_F(ShapeWindowTest, RoundedImageGivesARoundedWindowAndStaysOnRepeat) {
  HWND image = ImageOf(RoundedPanel(120, 80, 12, RGB(30, 120, 60)));
  ASSERT_NE(skin::ShapeWindowFromImage(form_, image), 0);
  HRGN first = RegionOf(form_);
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(PtInRegion(first, 0, 0));
  EXPECT_FALSE(PtInRegion(first, 119, 79));
  EXPECT_TRUE(PtInRegion(first, 60, 40));
  EXPECT_TRUE(PtInRegion(first, 0, 40));
  skin::ShapeWindowFromImage(form_, image);  // a second activation
  HRGN second = RegionOf(form_);
  EXPECT_TRUE(EqualRgn(first, second));
  DeleteObject(first);
  DeleteObject(second);
}

TEST_F(ShapeWindowTest, AllKeyImageHidesTheWindowButNoPictureLeavesItUnshaped) {
  HWND image = ImageOf([](int, int) { return kKey; });
  skin::ShapeWindowFromImage(form_, image);
  HRGN region = RegionOf(form_);
  ASSERT_NE(region, nullptr);
  RECT box;
  EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
  DeleteObject(region);

  HWND empty = CreateForm(50, 50);
  HWND noPicture = AddImage(empty, nullptr, 0, 0);
  EXPECT_EQ(skin::ShapeWindowFromImage(empty, noPicture), 0);
  EXPECT_EQ(RegionOf(empty), nullptr);
  DestroyForm(empty);
}

TEST(ShapeFromCanvas, AppliesARegionOnlyWhenTheOutlineChanged) {
  HWND form = CreateForm(80, 40);
  HWND button = AddControl(form, L"BUTTON", 0, L"TButton", L"bt", L"", 0, 0, 0, 60, 20);
  DibBitmap canvas;
  canvas.SetSize(60, 20);
  skin::Outline cached;

  Fill(canvas, [](int, int) { return kKey; });
  EXPECT_FALSE(GraphicEngine::ShapeFromCanvas(button, cached, canvas));  // empty equals fresh cache
  EXPECT_EQ(RegionOf(button), nullptr);

  Fill(canvas, RoundedPanel(60, 20, 6, RGB(10, 10, 200)));
  EXPECT_TRUE(GraphicEngine::ShapeFromCanvas(button, cached, canvas));
  EXPECT_FALSE(GraphicEngine::ShapeFromCanvas(button, cached, canvas));
  HRGN applied = RegionOf(button);
  HRGN expected = skin::RegionFromOutline(cached);
  EXPECT_TRUE(EqualRgn(applied, expected));
  DeleteObject(applied);
  DeleteObject(expected);

  Fill(canvas, RoundedPanel(60, 20, 9, RGB(10, 10, 200)));
  EXPECT_TRUE(GraphicEngine::ShapeFromCanvas(button, cached, canvas));
  DestroyForm(form);
}

TEST(EngineDrawing, CopySliceCutsTheCellAndSizesTheTarget) {
  DibBitmap source, target;
  source.SetSize(80, 15);
  Fill(source, [](int x, int y) { return RGB(x, y, 7); });
  GraphicEngine::CopySlice(2, 0, 20, 15, source, target);
  EXPECT_EQ(target.width(), 20);
  EXPECT_EQ(target.height(), 15);
  EXPECT_EQ(target.PixelColour(0, 0), RGB(40, 0, 7));
  EXPECT_EQ(target.PixelColour(19, 14), RGB(59, 14, 7));

  DibBitmap empty;
  GraphicEngine::CopySlice(0, 0, 0, 0, empty, target);  // an empty slot's cell
  EXPECT_TRUE(target.empty());
}

TEST(EngineDrawing, NineGridKeepsCornersAndTakesTheCaptionColourBelowTheGrid) {
  // 60 x 61 source: 20 x 20 cells of distinct colours, pixel (0, 60) the caption colour.
  DibBitmap source, canvas;
  source.SetSize(60, 61);
  Fill(source, [](int x, int y) { return y == 60 ? RGB(1, 2, 3) : RGB(x / 20 * 100, y / 20 * 100, 50); });
  canvas.SetSize(100, 50);
  skin::MemoryDC dc(canvas.handle());
  std::optional<uint32_t> colour;
  GraphicEngine::DrawNineGridWithTextColour(dc.get(), source, colour);
  GdiFlush();
  ASSERT_TRUE(colour.has_value());
  EXPECT_EQ(*colour, RGB(1, 2, 3));
  EXPECT_EQ(canvas.PixelColour(0, 0), RGB(0, 0, 50));        // top-left corner
  EXPECT_EQ(canvas.PixelColour(99, 49), RGB(200, 200, 50));   // bottom-right corner
  EXPECT_EQ(canvas.PixelColour(50, 0), RGB(100, 0, 50));      // top edge
  EXPECT_EQ(canvas.PixelColour(0, 25), RGB(0, 100, 50));      // left edge
  EXPECT_EQ(canvas.PixelColour(50, 25), RGB(100, 100, 50));   // centre

  DibBitmap square;
  square.SetSize(60, 60);
  Fill(square, [](int, int) { return RGB(5, 5, 5); });
  std::optional<uint32_t> unchanged = 0x123456u;
  GraphicEngine::DrawNineGridWithTextColour(dc.get(), square, unchanged);
  EXPECT_EQ(*unchanged, 0x123456u);
}

TEST(GraphicEngineLoading, FallsBackFileByFileAndSurvivesCorruptFiles) {
  GraphicEngine german(1031, skin::ManagerSlotTable());
  EXPECT_EQ(german.LanguageFolder(), L"German");
  german.LoadBitmaps();
  EXPECT_EQ(german.Bitmap(1).width(), 308);                             // German\OK.bmp
  EXPECT_EQ(german.Bitmap(1).PixelColour(10, 13), kGermanOkColours.cell[0]);
  EXPECT_EQ(german.Bitmap(5).width(), 64);                              // English\Check.bmp
  EXPECT_TRUE(german.Bitmap(2).empty());                                // truncated
  EXPECT_TRUE(german.Bitmap(13).empty());                               // noise
  EXPECT_TRUE(german.Bitmap(4).empty());                                // missing
  EXPECT_FALSE(german.Bitmap(3).empty());                               // after the corrupt ones
  EXPECT_TRUE(german.Bitmap(-1).empty());
  EXPECT_TRUE(german.Bitmap(30).empty());

  EXPECT_EQ(GraphicEngine(1033, skin::ManagerSlotTable()).LanguageFolder(), L"English");
  EXPECT_EQ(GraphicEngine(2052, skin::ManagerSlotTable()).LanguageFolder(), L"ChineseS");
}

TEST(LustreaObject, SkinsTheFourClassesOnceAndGivesEveryProcedureBack) {
  HWND form = CreateForm(300, 200);
  HWND first = AddControl(form, L"BUTTON", 0, L"TButton", L"bt_A", L"A", 4, 0, 0, 60, 20);
  AddControl(form, L"EDIT", 0, L"TEdit", L"ed_A", L"", 0, 0, 30, 60, 20);
  AddControl(form, L"STATIC", 0, L"TLabel", L"lb_A", L"label", 0, 0, 60, 60, 20);
  HWND derived = AddControl(form, L"BUTTON", 0, L"TBitBtn", L"bt_B", L"B", 4, 0, 90, 60, 20);
  HWND second = AddControl(form, L"BUTTON", 0, L"TButton", L"bt_C", L"C", 4, 0, 120, 60, 20);
  const LONG_PTR plain = GetWindowLongPtrW(first, GWLP_WNDPROC);
  {
    skin::Lustrea skin(form, 1033, skin::ManagerSlotTable());
    EXPECT_FALSE(skin.active());
    EXPECT_EQ(GetWindowLongPtrW(first, GWLP_WNDPROC), plain);  // the constructor hooks nothing
    skin.Active();
    EXPECT_EQ(skin.SubclassCount(), 2u);
    skin.Active();
    EXPECT_EQ(skin.SubclassCount(), 2u);
    EXPECT_NE(GetWindowLongPtrW(first, GWLP_WNDPROC), plain);
    EXPECT_NE(GetWindowLongPtrW(second, GWLP_WNDPROC), plain);
    EXPECT_EQ(GetWindowLongPtrW(derived, GWLP_WNDPROC), plain);

    skin::Lustrea rival(form, 1033, skin::ManagerSlotTable());
    rival.Active();
    EXPECT_EQ(rival.SubclassCount(), 0u);  // controls keep the skin they have

    skin.Deactivate();
    EXPECT_EQ(skin.SubclassCount(), 0u);
    EXPECT_EQ(GetWindowLongPtrW(first, GWLP_WNDPROC), plain);
    EXPECT_EQ(GetWindowLongPtrW(second, GWLP_WNDPROC), plain);
    skin.Deactivate();
  }
  {
    skin::Lustrea skin(form, 1033, skin::ManagerSlotTable());
    skin.Active();
    DestroyWindow(first);  // a control destroyed while skinned
  }  // the destructor deactivates
  EXPECT_EQ(GetWindowLongPtrW(second, GWLP_WNDPROC), plain);
  DestroyForm(form);
}

}  // namespace
}  // namespace skintest
