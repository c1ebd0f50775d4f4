// GDI and USER objects after many repaints and many skinned forms: back where they started.
#include <gtest/gtest.h>

#include <cstdio>

#include "skin_test_support.h"

namespace skintest {
namespace {

struct Counts {
  int gdi = CountGdiObjects();
  int user = CountUserObjects();
};

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
  HBITMAP background = DemoBackground();
  HWND form = SkinnedDemoForm(background);
  HWND ok = FindComponent(form, L"bt_OK");
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
  HBITMAP background = DemoBackground();
  DestroyForm(SkinnedDemoForm(background));  // warm-up: Wine's one-time allocations
  const Counts before;
  for (int i = 0; i < 100; ++i) {
    HWND form = SkinnedDemoForm(background);
    HWND ok = FindComponent(form, L"bt_OK");
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
