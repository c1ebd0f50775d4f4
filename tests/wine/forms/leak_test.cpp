// GDI and USER objects: the counters must see objects come and go, and forms shown and closed many
// times must leave nothing behind.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/forms/test_support.h"

namespace {

TEST(ObjectCounters, SeeTwentyFiveBrushesAndEveryWindow) {
  const driver::GdiCounts before = driver::CountGdiObjects();
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 25; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  const driver::GdiCounts with = driver::CountGdiObjects();
  EXPECT_EQ(before.total + 25, with.total);
  EXPECT_EQ(before.brushes + 25, with.brushes);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(before.total, driver::CountGdiObjects().total);

  // Wine keeps an IME window while the thread has an edit control or other windows: keep one.
  forms::Form anchor(L"FAnchor");
  forms::Edit anchorEdit(anchor, L"ed_Anchor");
  const int windows = driver::CountProcessWindows();
  {
    forms::Form form(L"FCount");
    forms::Button a(form, L"bt_A");
    forms::LabeledEdit b(form, L"le_B");
    EXPECT_EQ(windows + 4, driver::CountProcessWindows());  // form, button, edit, its label
  }
  EXPECT_EQ(windows, driver::CountProcessWindows());
  std::cout << "GetGuiResources under this Wine: GDI " << GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)
            << ", USER " << GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS) << std::endl;
}

void ShowAndCloseDemo(const demo::DemoFiles& files) {
  demo::TFDemo form(files);
  form.FireCreate();
  form.Show();
  form.lb_Info.SetCaption(L"Short.");
  form.pl_Status.SetCaption(L"Cycle");
  form.lb_Title.SetFontBold(false);
  SendMessageW(form.bt_LoadBad.Handle(), BM_CLICK, 0, 0);
  forms::Application::ProcessMessages();
  form.Close();

  demo::TFConfirm confirm;
  PostMessageW(confirm.Handle(), WM_CLOSE, 0, 0);  // ends the modal loop at once
  confirm.ShowModal();
}

TEST(Leaks, HundredShowCloseCyclesLeaveNoObjects) {
  const demo::DemoFiles files = test::DemoFiles();
  ShowAndCloseDemo(files);  // warm-up: Wine allocates its own objects once
  const driver::GdiCounts gdi = driver::CountGdiObjects();
  const int windows = driver::CountProcessWindows();
  for (int i = 0; i < 100; ++i) ShowAndCloseDemo(files);
  const driver::GdiCounts after = driver::CountGdiObjects();
  EXPECT_EQ(gdi.total, after.total) << "dc " << gdi.dcs << "->" << after.dcs << ", bitmap " << gdi.bitmaps << "->"
                                    << after.bitmaps << ", brush " << gdi.brushes << "->" << after.brushes
                                    << ", font " << gdi.fonts << "->" << after.fonts;
  EXPECT_EQ(windows, driver::CountProcessWindows());
}

}  // namespace
