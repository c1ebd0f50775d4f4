// Ten full wizard calls, each with its own load of the library as the host does it, leave no GDI
// objects or windows behind: four skinned forms with their bitmaps, fonts and regions are made and
// freed per call.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/wizard/fake_host.h"
#include "tests/wine/wizard/wizard_session.h"

namespace wizard_test {
namespace {

constexpr int kCalls = 10;

int32_t OneFullCall(const FormsTree& tree, FakeHost& host) {
  host.polls = {{1, 1, 0x12345}};
  WizardLibrary library(tree.PluginPath());
  contract::WizardParams record = MakeRecord(0x0409, host.Window(), 1);
  return RunWizard(library, &record, [] {
           Press(WaitStep(1), L"bt_NextStep");
           Press(WaitStep(3), L"bt_NextStep");
           HWND step4 = WaitStep(4);
           Press(step4, L"bt_Success");
           Press(step4, L"bt_Exit");
         }).result;
}

TEST(WizardLeaks, RepeatedCallsFreeWhatTheyMake) {
  FormsTree tree(L"leaks");
  FakeHost host;
  ASSERT_EQ(1, OneFullCall(tree, host));  // warm-up: Wine's one-time objects, the pinned skin library
  const driver::GdiCounts before = driver::CountGdiObjects();
  const int windowsBefore = driver::CountProcessWindows();
  for (int call = 0; call < kCalls; ++call) ASSERT_EQ(1, OneFullCall(tree, host)) << "call " << call;
  const driver::GdiCounts after = driver::CountGdiObjects();
  EXPECT_EQ(windowsBefore, driver::CountProcessWindows());
  // A leak of one object per call would show as 10.
  EXPECT_LE(after.total - before.total, 3) << "bitmaps " << before.bitmaps << " -> " << after.bitmaps << ", fonts "
                                           << before.fonts << " -> " << after.fonts << ", regions "
                                           << before.regions << " -> " << after.regions << ", brushes "
                                           << before.brushes << " -> " << after.brushes;
  std::printf("GDI objects after one warm-up call: %d; after %d more calls: %d (bitmaps %d -> %d)\n", before.total,
              kCalls, after.total, before.bitmaps, after.bitmaps);
}

}  // namespace
}  // namespace wizard_test
