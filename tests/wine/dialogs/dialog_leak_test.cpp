// 30 questions of each dialog, each loaded, shown, answered and freed as the manager does it, leave
// the process's GDI and window counts where they started.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/dialogs/calls.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/gdi_count.h"

namespace dialog_test {
namespace {

constexpr int kCycles = 30;

bool NotaboxCycle(int cycle) {
  const wchar_t* buttons[] = {L"bt_Yes", L"bt_No", L"bt_WindowClose"};
  const DialogRun run = AskNotabox(1033, L"Remove this keyboard from the receiver?", [&](HWND d) {
    WaitShaped(d);
    ClickButton(d, buttons[cycle % 3]);
  });
  const bool answered = cycle % 3 == 0 ? run.result == 1 : cycle % 3 == 1 ? run.result == 0 : run.result < 0;
  return run.appeared && !run.forcedClosed && answered;
}

bool QuerentCycle(int cycle) {
  contract::QuerentRequest request = MakeRequest(1033, L"Device name:", L"Mouse", 14);
  const DialogRun run = AskQuerent(&request, [&](HWND d) {
    WaitShaped(d);
    driver::SetText(Component(d, L"ed_Text"), L"Name " + std::to_wstring(cycle));
    ClickButton(d, cycle % 2 == 0 ? L"bt_OK" : L"bt_Cancel");
  });
  return run.appeared && !run.forcedClosed && run.result == (cycle % 2 == 0 ? 1 : 0);
}

template <typename Cycle>
void ExpectNoLeak(const char* name, Cycle cycle) {
  ASSERT_TRUE(cycle(0)) << "warm-up";  // Wine's one-time allocations (dialog, IME window)
  const driver::GdiCounts before = driver::CountGdiObjects();
  const int windowsBefore = driver::CountProcessWindows();
  int failed = 0;
  for (int i = 0; i < kCycles; ++i) {
    if (!cycle(i)) ++failed;
  }
  const driver::GdiCounts after = driver::CountGdiObjects();
  const int windowsAfter = driver::CountProcessWindows();
  std::printf("%s: GDI %d -> %d (bitmaps %d -> %d, regions %d -> %d, fonts %d -> %d), windows %d -> %d\n", name,
              before.total, after.total, before.bitmaps, after.bitmaps, before.regions, after.regions,
              before.fonts, after.fonts, windowsBefore, windowsAfter);
  std::fflush(stdout);
  EXPECT_EQ(0, failed);
  EXPECT_EQ(before.total, after.total);
  EXPECT_EQ(before.bitmaps, after.bitmaps);
  EXPECT_EQ(before.regions, after.regions);
  EXPECT_EQ(windowsBefore, windowsAfter);
}

TEST(DialogLeaks, ThirtyNotaboxQuestionsLeakNothing) { ExpectNoLeak("Notabox", NotaboxCycle); }

TEST(DialogLeaks, ThirtyQuerentQuestionsLeakNothing) { ExpectNoLeak("Querent", QuerentCycle); }

}  // namespace
}  // namespace dialog_test
