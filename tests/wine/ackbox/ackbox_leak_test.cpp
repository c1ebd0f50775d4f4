// 100 dialogs in one process, each loaded, shown, closed and freed as the callers do it, leave the
// process's GDI and USER object counts where they started.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/ackbox/dialog_runner.h"
#include "tests/wine/ackbox/forms_tree.h"
#include "tests/wine/driver/gdi_count.h"

namespace ackbox_test {
namespace {

constexpr int kCycles = 100;

void PrintCounts(const char* when, const driver::GdiCounts& gdi, int windows) {
  std::printf("%s: GDI %d (DC %d, bitmap %d, brush %d, font %d, region %d, other %d), windows %d\n", when,
              gdi.total, gdi.dcs, gdi.bitmaps, gdi.brushes, gdi.fonts, gdi.regions, gdi.other, windows);
  std::fflush(stdout);
}

// Each cycle closes the dialog another way, so every path is counted.
bool OneCycle(const FormsTree& tree, int cycle) {
  Plugin plugin(tree.PluginPath());
  const DialogRun run = ShowDialog(plugin, 1033, L"No receiver was found.", [cycle](HWND d) {
    WaitShaped(d);
    switch (cycle % 3) {
      case 0: ClickButton(d, L"bt_OK"); break;
      case 1: ClickButton(d, L"bt_WindowClose"); break;
      default: PostMessageW(d, WM_CLOSE, 0, 0); break;
    }
  });
  const int32_t expected[] = {1, 3, 0};
  return run.appeared && !run.forcedClosed && run.result == expected[cycle % 3];
}

TEST(AckboxLeaks, HundredDialogsLeaveTheObjectCountsUnchanged) {
  const FormsTree tree(L"leaks");
  ASSERT_TRUE(OneCycle(tree, 0)) << "warm-up";  // Wine's one-time allocations for the first dialog

  const driver::GdiCounts gdiBefore = driver::CountGdiObjects();
  const int windowsBefore = driver::CountProcessWindows();
  PrintCounts("before", gdiBefore, windowsBefore);
  int failedCycles = 0;
  for (int cycle = 0; cycle < kCycles; ++cycle) {
    if (!OneCycle(tree, cycle)) ++failedCycles;
  }
  const driver::GdiCounts gdiAfter = driver::CountGdiObjects();
  const int windowsAfter = driver::CountProcessWindows();
  PrintCounts("after 100 dialogs", gdiAfter, windowsAfter);

  EXPECT_EQ(0, failedCycles);
  EXPECT_EQ(gdiBefore.total, gdiAfter.total);
  EXPECT_EQ(gdiBefore.regions, gdiAfter.regions);
  EXPECT_EQ(gdiBefore.bitmaps, gdiAfter.bitmaps);
  EXPECT_EQ(windowsBefore, windowsAfter);
}

}  // namespace
}  // namespace ackbox_test
