// The signal display through its entry, with this process playing the host: the averaging shown in
// the meter, the poll cycle, the ways it closes, the no-receiver message and the single instance.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/teardown_watch.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"

namespace gauge_test {
namespace {

struct PanelSeen {
  bool visible;
  std::wstring text;
};

class GaugeTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(library.Loaded()) << "Wavegauge.dll is not staged"; }
  GaugeLibrary library;  // loaded anew for every test, as the host does for every click
};

TEST_F(GaugeTest, ShowsTheAverageOfFiveAnswersFromTheFifthOn) {
  std::vector<PanelSeen> panels;
  PanelSeen beforeFirst{false, L"?"};
  HostScript script;
  script.signals = {100, 101, 102, 103, 104, 50, 50, 50, 50, 50};
  script.removeAtRequest = 11;
  script.onRequest = [&](int request, HWND display) {
    if (request == 1) beforeFirst = {PanelVisible(display), PanelText(display)};
  };
  script.afterAnswer = [&](int, HWND display) { panels.push_back({PanelVisible(display), PanelText(display)}); };
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, {});

  EXPECT_EQ(0, run.result) << "AM_DEVICE_REMOVE closes with 0";
  ASSERT_EQ(10u, panels.size());
  EXPECT_TRUE(beforeFirst.visible) << "visible and empty until the first answer";
  EXPECT_EQ(L"", beforeFirst.text);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(panels[i].visible) << "answer " << i + 1;
  EXPECT_TRUE(panels[4].visible);
  EXPECT_EQ(L"102", panels[4].text);
  for (int i = 5; i < 9; ++i) EXPECT_EQ(L"102", panels[i].text) << "answer " << i + 1;
  EXPECT_EQ(L"50", panels[9].text);
  EXPECT_FALSE(host.Counts().wrongWindow) << "wParam carries the display's window";
  EXPECT_EQ(1, host.Counts().removesSent);
}

TEST_F(GaugeTest, AZeroAverageHidesTheMeter) {
  std::vector<PanelSeen> panels;
  HostScript script;
  script.signals = {50, 50, 50, 50, 50, 0, 0, 0, 0, 0, 9, 9, 9, 9, 9, 1, 1, 1, 1, 0};
  script.removeAtRequest = 21;
  script.afterAnswer = [&](int, HWND display) { panels.push_back({PanelVisible(display), PanelText(display)}); };
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  CallEntry(library, &record, kDisplayCaption, {});
  ASSERT_EQ(20u, panels.size());
  EXPECT_TRUE(panels[4].visible);
  EXPECT_FALSE(panels[9].visible) << "five zeros";
  EXPECT_EQ(L"9", panels[14].text);
  EXPECT_FALSE(panels[19].visible) << "1, 1, 1, 1, 0 gives 4 / 5 = 0";
}

// The host answers slowly; the display must wait for each answer and pause before asking again.
TEST_F(GaugeTest, NeverMoreThanOneRequestOutstanding) {
  HostScript script;
  script.signals = {120};
  script.answerDelayMs = 60;
  script.removeAtRequest = 16;
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, {}, 20000);
  EXPECT_EQ(0, run.result);
  EXPECT_EQ(16, host.Counts().requests);
  EXPECT_EQ(15, host.Counts().answers);
  EXPECT_EQ(0, host.Counts().requestsWhilePending);
  // The next request leaves one timer period (20 ms) after the answer; Wine's timers may fire a
  // few milliseconds early by the tick counter.
  EXPECT_GE(host.Counts().shortestPauseMs, 14u);
}

TEST_F(GaugeTest, AHostThatNeverAnswersStopsThePolling) {
  HostScript script;
  script.silentFromRequest = 1;
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [](HWND display) {
    Sleep(500);
    ClickButton(display, L"bt_Exit");
  });
  EXPECT_TRUE(run.appeared);
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(0, run.result) << "bt_Exit";
  EXPECT_EQ(1, host.Counts().requests);
}

TEST_F(GaugeTest, CloseButtonGivesThreeAndTheRecordStaysAsItWas) {
  HostScript script;
  script.signals = {77};
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  std::memset(record.unset, 0xA5, sizeof record.unset);
  const contract::GaugeParams before = record;
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [](HWND display) {
    driver::WaitUntil([&] { return PanelText(display) == L"77"; });
    ClickButton(display, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record)) << "the display writes nothing into the record";
  EXPECT_GE(host.Counts().answers, 5);
}

TEST_F(GaugeTest, AHookAboveTheDisplaySeesItGo) {
  HostScript script;
  script.signals = {77};
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  HWND window = nullptr;
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    window = display;
    driver::WatchTeardown(display);
    ClickButton(display, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);
  EXPECT_TRUE(driver::SawTeardown(window));
}

// The averaging window belongs to the library: a display closed in the middle of a window leaves it
// to the next display of the same loaded library.
TEST_F(GaugeTest, TheAveragingWindowOutlivesAClosedDisplay) {
  {
    HostScript script;
    script.signals = {200};
    script.removeAtRequest = 4;  // closed after three answers
    FakeHost host(script);
    contract::GaugeParams record = HostRecord(host.Handle());
    EXPECT_EQ(0, CallEntry(library, &record, kDisplayCaption, {}).result);
    EXPECT_EQ(3, host.Counts().answers);
  }
  std::vector<PanelSeen> panels;
  HostScript script;
  script.signals = {100};
  script.removeAtRequest = 3;
  script.afterAnswer = [&](int, HWND display) { panels.push_back({PanelVisible(display), PanelText(display)}); };
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  EXPECT_EQ(0, CallEntry(library, &record, kDisplayCaption, {}).result);
  ASSERT_EQ(2u, panels.size());
  EXPECT_FALSE(panels[0].visible);
  EXPECT_TRUE(panels[1].visible);
  EXPECT_EQ(L"160", panels[1].text) << "(3 x 200 + 2 x 100) / 5";
}

TEST_F(GaugeTest, ASecondCallWhileOpenReturnsThree) {
  int nested = -1;
  HWND displaySeen = nullptr;
  HostScript script;
  script.removeAtRequest = 4;
  script.onRequest = [&](int request, HWND display) {
    if (request != 2) return;
    displaySeen = display;
    contract::GaugeParams again = HostRecord(nullptr);
    nested = library.Call(&again);
  };
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  EXPECT_EQ(0, CallEntry(library, &record, kDisplayCaption, {}).result);
  EXPECT_EQ(3, nested);
  EXPECT_NE(nullptr, displaySeen);
  EXPECT_EQ(4, host.Counts().requests) << "the first display went on polling";
}

// Only the low byte of the field tells whether a receiver is there; the bytes above it are not set
// by the host and may hold anything.
TEST_F(GaugeTest, NoReceiverShowsTheMessageAndNoDisplay) {
  struct Case {
    uint16_t languageId;
    const wchar_t* language;
  };
  for (const Case& c : {Case{1033, L"English"}, Case{1028, L"ChineseT"}}) {
    SCOPED_TRACE(testing::Message() << "language " << c.languageId);
    HostScript script;
    FakeHost host(script);
    contract::GaugeParams record = HostRecord(host.Handle(), 0, c.languageId);
    std::memset(record.unset, 0xFF, sizeof record.unset);
    std::wstring message;
    const EntryRun run = CallEntry(library, &record, kAckboxCaption, [&](HWND dialog) {
      message = driver::GetText(Component(dialog, L"lb_Message"));
      ClickButton(dialog, L"bt_OK");
    });
    EXPECT_TRUE(run.appeared) << "the confirmation dialog";
    EXPECT_EQ(3, run.result);
    EXPECT_FALSE(run.displaySeen);
    EXPECT_EQ(0, host.Counts().requests);
    const std::wstring expected = StagedText(c.language, L"Wavegauge", L"DongleNotExist");
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(expected, message);
  }
}

TEST_F(GaugeTest, ANullRecordShowsNothing) {
  const EntryRun run = CallEntry(library, nullptr, kDisplayCaption, {});
  EXPECT_EQ(0, run.result);
  EXPECT_FALSE(run.displaySeen);
}

TEST_F(GaugeTest, TheFormHasItsComponentsAndIsShaped) {
  HostScript script;
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  std::vector<std::wstring> missing;
  RECT window = {};
  bool shaped = false;
  std::wstring title;
  int exitTag = 0, closeTag = 0;
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    shaped = WaitShaped(display);
    window = driver::WindowRect(display);
    for (const wchar_t* name : {L"im_BackgroundImage", L"lb_Title", L"lb_AvoidInterferenceTitle",
                                L"lb_AvoidInterferenceNotes", L"lb_InspectRSSITitle", L"lb_InspectRSSI",
                                L"lb_SignalIntensity", L"pl_RSSI", L"lb_ImproveSuggestionTitle",
                                L"lb_Suggestion1", L"lb_Suggestion2", L"bt_Exit", L"bt_Close"}) {
      if (Component(display, name) == nullptr) missing.push_back(name);
    }
    title = driver::GetText(Component(display, L"lb_Title"));
    exitTag = driver::ComponentTag(Component(display, L"bt_Exit"));
    closeTag = driver::ComponentTag(Component(display, L"bt_Close"));
    ClickButton(display, L"bt_Exit");
  });
  EXPECT_EQ(0, run.result);
  EXPECT_TRUE(missing.empty()) << "missing " << missing.size() << " components";
  EXPECT_TRUE(shaped);
  EXPECT_EQ(478, window.right - window.left) << "sized to the background";
  EXPECT_EQ(388, window.bottom - window.top);
  EXPECT_EQ(StagedText(L"English", L"Wavegauge", L"lb_Title->Caption"), title);
  EXPECT_EQ(22024, exitTag);
  EXPECT_EQ(22003, closeTag);
}

}  // namespace
}  // namespace gauge_test
