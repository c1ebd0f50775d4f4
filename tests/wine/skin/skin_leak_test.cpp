// GDI and USER objects after many repaints and many skinned forms: back where they started.
#include <gtest/gtest.h>

#include <cstdio>

#include "skin/win32/shape_window.h"
#include "skin_test_support.h"

namespace skintest {
namespace {

struct Counts {
  int gdi = CountGdiObjects();
  int user = CountUserObjects();
};

// A complete skinned form through the library: shaped background, every control kind.
HWND SkinnedForm(HBITMAP background) {
  HWND form = CreateForm(360, 219);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_OK", L"OK", 22001, 117, 150, 77, 26);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_WindowClose", L"", 22003, 325, 6, 21, 19);
  AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_A", L"Enabled", 5, 20, 40, 120, 17);
  AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON, L"TRadioButton", L"rb_A", L"", 22012, 20, 70, 16, 16);
  AddControl(form, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_A", L"", 6, 20, 100, 145, 200);
  HWND image = AddImage(form, background, 0, 0);
  SetWindowPos(image, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Dll().newLustrea(form, 1033);
  Dll().activeLustrea();
  skin::ShapeWindowFromImage(form, image);
  ShowAndSettle(form);
  return form;
}

TEST(LeakCounters, SeeTwentyFiveNewBrushesAndTwentyFiveNewWindows) {
  const int before = CountGdiObjects();
  HBRUSH brushes[25];
  for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(CountGdiObjects(), before + 25);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(CountGdiObjects(), before);

  // A thread's first window brings a hidden helper window along: keep one form open meanwhile.
  HWND anchor = CreateForm(10, 10);
  const int windows = CountUserObjects();
  HWND popups[25];
  for (HWND& popup : popups) popup = CreateForm(10, 10);
  EXPECT_EQ(CountUserObjects(), windows + 25);
  for (HWND popup : popups) DestroyForm(popup);
  EXPECT_EQ(CountUserObjects(), windows);
  DestroyForm(anchor);
}

TEST(Leaks, ThousandHoverRepaintsOfAShapedButton) {
  HBITMAP background = MakeBitmap(360, 219, RoundedPanel(360, 219, 16, RGB(225, 232, 240)));
  HWND form = SkinnedForm(background);
  HWND ok = GetWindow(form, GW_CHILD);
  for (int i = 0; i < 3; ++i) {  // warm-up
    SendMessageW(ok, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_MOUSELEAVE, 0, 0);
  }
  Pump();
  const Counts before;
  for (int i = 0; i < 1000; ++i) {
    SendMessageW(ok, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_MOUSELEAVE, 0, 0);
  }
  Pump();
  const Counts after;
  std::printf("hover repaints x1000: GDI objects %d -> %d, USER objects %d -> %d\n", before.gdi,
              after.gdi, before.user, after.user);
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  DestroyForm(form);
  DeleteObject(background);
}

TEST(Leaks, HundredCreateSkinDestroyCyclesOfAForm) {
  HBITMAP background = MakeBitmap(360, 219, RoundedPanel(360, 219, 16, RGB(225, 232, 240)));
  DestroyForm(SkinnedForm(background));  // warm-up: Wine's one-time allocations
  const Counts before;
  for (int i = 0; i < 100; ++i) {
    HWND form = SkinnedForm(background);
    HWND ok = GetWindow(form, GW_CHILD);
    SendMessageW(ok, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(ok, WM_MOUSELEAVE, 0, 0);
    DestroyForm(form);
  }
  const Counts after;
  std::printf("form cycles x100: GDI objects %d -> %d, USER objects %d -> %d\n", before.gdi,
              after.gdi, before.user, after.user);
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  DeleteObject(background);
}

}  // namespace
}  // namespace skintest
