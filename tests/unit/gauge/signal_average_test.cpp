#include "plugins/gauge/core/signal_average.h"

#include <gtest/gtest.h>

#include <vector>

namespace gauge {
namespace {

std::vector<PanelState> Feed(SignalAverage& average, const std::vector<int32_t>& answers) {
  std::vector<PanelState> panels;
  for (int32_t answer : answers) panels.push_back(average.AddAnswer(answer));
  return panels;
}

TEST(SignalAverage, ShowsTheAverageOnlyFromTheFifthAnswer) {
  AveragingWindow window;
  SignalAverage average(window);
  const std::vector<PanelState> panels = Feed(average, {100, 101, 102, 103, 104});
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(panels[i].visible) << "answer " << i + 1;
    EXPECT_EQ(L"", panels[i].text);
  }
  EXPECT_TRUE(panels[4].visible);
  EXPECT_EQ(L"102", panels[4].text);
  EXPECT_EQ(102, average.Average());
  // The window starts again; the shown value stays until the next fifth answer.
  EXPECT_EQ(0, window.count);
  EXPECT_EQ(0, window.sum);
  const std::vector<PanelState> next = Feed(average, {10, 10, 10, 10});
  for (const PanelState& panel : next) EXPECT_EQ(L"102", panel.text);
  EXPECT_EQ(L"10", average.AddAnswer(10).text);
}

TEST(SignalAverage, AZeroAverageHidesThePanel) {
  AveragingWindow window;
  SignalAverage average(window);
  Feed(average, {50, 50, 50, 50, 50});
  ASSERT_TRUE(PanelFor(average.Average()).visible);
  const std::vector<PanelState> panels = Feed(average, {0, 0, 0, 0, 0});
  EXPECT_TRUE(panels[3].visible) << "the old average stays until the window is full";
  EXPECT_FALSE(panels[4].visible);
  EXPECT_EQ(0, average.Average());

  // 4 / 5 in integer division is 0: hidden as well.
  Feed(average, {9, 9, 9, 9, 9});
  const std::vector<PanelState> small = Feed(average, {1, 1, 1, 1, 0});
  EXPECT_FALSE(small[4].visible);
  EXPECT_EQ(0, average.Average());
}

TEST(SignalAverage, OutOfRangeAnswersDoNotOverflow) {
  AveragingWindow window;
  SignalAverage average(window);
  Feed(average, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX});
  EXPECT_EQ(INT32_MAX, average.Average());
  Feed(average, {-5, -5, -5, -5, -5});
  EXPECT_EQ(L"-5", PanelFor(average.Average()).text);
}

// A form closed in the middle of a window leaves it to the next form of the same library.
TEST(SignalAverage, TheLibraryWindowOutlivesAForm) {
  AveragingWindow& shared = LibraryAveragingWindow();
  shared = AveragingWindow();
  {
    SignalAverage first(shared);
    Feed(first, {200, 200, 200});
    EXPECT_EQ(0, first.Average());
  }
  EXPECT_EQ(3, shared.count);
  SignalAverage second(shared);
  EXPECT_EQ(0, second.Average()) << "a new form starts without a value";
  EXPECT_FALSE(second.AddAnswer(100).visible);
  const PanelState panel = second.AddAnswer(100);
  EXPECT_TRUE(panel.visible);
  EXPECT_EQ(L"160", panel.text);  // (3 * 200 + 2 * 100) / 5
  EXPECT_EQ(&shared, &LibraryAveragingWindow());
  shared = AveragingWindow();
}

}  // namespace
}  // namespace gauge
