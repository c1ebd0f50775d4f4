// The real signal display inside the real host, on the simulated receiver: the number it shows, the
// pace of its requests as the simulator logs them, the no-receiver message, a second press while it
// is open, and the receiver pulled out.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/gauge/rf_log.h"
#include "tests/wine/host/host_session.h"

namespace gauge_test {
namespace {

using host_test::HostInstallation;
using host_test::HostRun;

constexpr wchar_t kDisplay[] = L"FWavegauge";

std::string RfLog(const HostInstallation& installation) {
  return host_test::ReadText(installation.Folder() + L"DLL\\Rf.log");
}

std::string TransferLog(const HostInstallation& installation) {
  return host_test::ReadText(installation.Folder() + L"DLL\\Transfers.log");
}

int CountLines(const std::string& text, const std::string& part = "") {
  int n = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (part.empty() || text.substr(start, end - start).find(part) != std::string::npos) ++n;
    start = end + 1;
  }
  return n;
}

HWND OpenDisplay(HostRun& host) {
  host.Press(L"bt_OpenWavegauge");
  HWND display = driver::FindTopWindowOfProcess(host.Process().Id(), kDisplay, 15000);
  if (display != nullptr) driver::WaitVisible(display, true);
  return display;
}

BOOL CALLBACK CountDisplays(HWND window, LPARAM count) {
  wchar_t caption[32] = {};
  GetWindowTextW(window, caption, 32);
  if (std::wstring(caption) == kDisplay && IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

std::wstring Meter(HWND display) { return driver::GetText(driver::FindComponent(display, L"pl_RSSI")); }

TEST(GaugeInHost, ShowsTheAverageOfTheSimulatorsLastFiveValues) {
  HostInstallation installation(L"gauge-average");
  installation.SetScenario("[Receiver]\nGeneration=104\nRfLog=Rf.log\n[RfInfo]\nSignal=100,101,102,103,104\n"
                           "Channel=3,7,11\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  HWND display = OpenDisplay(host);
  ASSERT_NE(nullptr, display);
  ASSERT_TRUE(driver::WaitUntil([&] { return !Meter(display).empty(); }));
  Sleep(1000);  // a second of polling
  // Any five consecutive values of this sequence average 102, so the comparison does not depend on
  // where the display's window of five began.
  const std::wstring shown = Meter(display);
  const std::vector<RfRead> reads = ParseRfLog(RfLog(installation));
  EXPECT_EQ(std::to_wstring(AverageOfLastFive(reads)), shown);
  EXPECT_EQ(L"102", shown);

  // One request at a time: each RF-info read comes at least one pause after the one before.
  ASSERT_GE(reads.size(), 20u);
  long long shortest = 1000000;
  for (size_t i = 1; i < reads.size(); ++i) shortest = std::min(shortest, reads[i].ms - reads[i - 1].ms);
  EXPECT_GE(shortest, 14) << "two requests closer together than the 20 ms pause";
  const double perSecond = 1000.0 * (reads.size() - 1) / (reads.back().ms - reads.front().ms);
  EXPECT_LE(perSecond, 55.0) << "more requests than one per answer and pause";
  driver::WritePng(driver::CaptureWindow(display), host_test::EvidenceFolder() + L"wavegauge_in_host.png");

  driver::Click(driver::FindComponent(display, L"bt_Exit"), driver::Delivery::kPost);
  EXPECT_TRUE(host.WaitIdle());
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(display); }));
  const size_t after = ParseRfLog(RfLog(installation)).size();
  Sleep(300);
  EXPECT_EQ(after, ParseRfLog(RfLog(installation)).size()) << "no requests after the display closed";
}

// With a drifting signal the number moves, and each number shown is the average of five consecutive
// values the receiver gave.
TEST(GaugeInHost, TheNumberFollowsADriftingSignal) {
  HostInstallation installation(L"gauge-drift");
  installation.SetScenario("[Receiver]\nGeneration=104\nRfLog=Rf.log\n[RfInfo]\nDrift=90,150,3\nChannel=5\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  HWND display = OpenDisplay(host);
  ASSERT_NE(nullptr, display);
  std::set<std::wstring> seen;
  for (int i = 0; i < 30; ++i) {
    const std::wstring value = Meter(display);
    if (!value.empty()) seen.insert(value);
    Sleep(70);
  }
  EXPECT_GE(seen.size(), 3u) << "the number moves";
  const std::vector<int> averages = WindowAverages(ParseRfLog(RfLog(installation)));
  for (const std::wstring& value : seen) {
    EXPECT_NE(averages.end(), std::find(averages.begin(), averages.end(), std::stoi(value))) << "shown " << value.c_str();
  }
  driver::Click(driver::FindComponent(display, L"bt_Close"), driver::Delivery::kPost);
  EXPECT_TRUE(host.WaitIdle());
}

TEST(GaugeInHost, APressWhileOpenKeepsOneDisplay) {
  HostInstallation installation(L"gauge-twice");
  installation.SetScenario("[Receiver]\nGeneration=104\nRfLog=Rf.log\n[RfInfo]\nSignal=120\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  HWND display = OpenDisplay(host);
  ASSERT_NE(nullptr, display);
  driver::Click(host.Component(L"bt_OpenWavegauge"), driver::Delivery::kPost);
  Sleep(800);
  int displays = 0;
  EnumWindows(&CountDisplays, reinterpret_cast<LPARAM>(&displays));
  EXPECT_EQ(1, displays);
  EXPECT_TRUE(IsWindowVisible(display));
  const size_t before = ParseRfLog(RfLog(installation)).size();
  Sleep(300);
  EXPECT_GT(ParseRfLog(RfLog(installation)).size(), before) << "the open display goes on polling";
  driver::Click(driver::FindComponent(display, L"bt_Exit"), driver::Delivery::kPost);
  EXPECT_TRUE(host.WaitIdle());
}

TEST(GaugeInHost, PullingTheReceiverOutClosesTheDisplayAndEndsTheHost) {
  HostInstallation installation(L"gauge-pulled");
  installation.SetScenario("[Receiver]\nGeneration=104\nRfLog=Rf.log\n[RfInfo]\nSignal=130\n"
                           "[Faults]\nUnplugAfterRfReads=40\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  HWND display = OpenDisplay(host);
  ASSERT_NE(nullptr, display);
  EXPECT_EQ(0u, host.ExitCode(30000));
  EXPECT_FALSE(IsWindow(display));
  const std::vector<RfRead> reads = ParseRfLog(RfLog(installation));
  ASSERT_EQ(41u, reads.size()) << "40 answered, then the one that found the receiver gone";
  EXPECT_FALSE(reads.back().ok);
}

// The host checks the receiver twice before it calls the display; when the second check finds none,
// the display tells the user instead of opening.
TEST(GaugeInHost, NoReceiverAtTheSecondCheckShowsTheMessageAndNoDisplay) {
  // First run: how many transfers the host makes up to the idle main window, and per check.
  int idleTransfers = 0, checkTransfers = 0;
  {
    HostInstallation probe(L"gauge-count");
    probe.SetScenario("[Receiver]\nGeneration=104\n");
    HostRun host(probe);
    ASSERT_TRUE(host.Started());
    ASSERT_TRUE(host.WaitIdle());
    Sleep(300);
    idleTransfers = CountLines(TransferLog(probe));
    HWND display = OpenDisplay(host);
    ASSERT_NE(nullptr, display);
    // The display's first request follows its window by one timer tick.
    std::string log;
    driver::WaitUntil([&] { return (log = TransferLog(probe)).find("B600 0004") != std::string::npos; });
    const size_t firstRf = log.find("B600 0004");
    ASSERT_NE(std::string::npos, firstRf);
    checkTransfers = (CountLines(log.substr(0, firstRf)) - idleTransfers) / 2;
    ASSERT_GT(checkTransfers, 0);
  }
  HostInstallation installation(L"gauge-absent");
  installation.SetScenario("[Receiver]\nGeneration=104\n[Faults]\nUnplugAfter=" +
                           std::to_string(idleTransfers + checkTransfers) + "\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  ASSERT_TRUE(host.WaitIdle());
  host.Press(L"bt_OpenWavegauge");
  // The host's own check reports the missing receiver first; then the display, called with the
  // receiver-present byte 0, says it in its words.
  EXPECT_EQ(installation.Text(L"English", L"CorvilMain", L"NoDongleExists"), host.DialogText());
  HWND first = host.Dialog();
  host.DismissDialog();
  driver::WaitUntil([&] { return !IsWindow(first); });
  EXPECT_EQ(installation.Text(L"English", L"Wavegauge", L"DongleNotExist"), host.DialogText());
  EXPECT_EQ(nullptr, driver::FindTopWindowOfProcess(host.Process().Id(), kDisplay, 0));
  host.DismissDialog();
  EXPECT_TRUE(host.WaitIdle());
  EXPECT_EQ(nullptr, driver::FindTopWindowOfProcess(host.Process().Id(), kDisplay, 500));
}

}  // namespace
}  // namespace gauge_test

namespace gauge_test {
namespace {

// A folder as one command-line argument: a final backslash would escape the closing quote.
std::wstring Quoted(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return L"\"" + folder + L"\"";
}

DWORD RunTour(const std::wstring& extra) {
  const std::wstring evidence = host_test::EvidenceFolder();
  driver::Process tour(host_test::HostFile(GAUGE_TOUR_EXE), Quoted(evidence) + L" evidence " + extra);
  DWORD code = 99;
  if (!tour.Started() || !tour.WaitExit(60000, &code)) return 98;
  return code;
}

// The tour program as the host tour calls it: its own installation, its own host.
TEST(GaugeInHost, TheTourProgramRunsOnItsOwn) { EXPECT_EQ(0u, RunTour(L"--seconds 2")); }

// The tour program against a host already running: it opens the display, reads the number, pulls
// the receiver out through the pull-out file, and sees the display close and the host end.
TEST(GaugeInHost, TheTourProgramPullsTheReceiverOutOfARunningHost) {
  HostInstallation installation(L"gauge-tour-running");
  installation.SetScenario("[Receiver]\nGeneration=104\n[RfInfo]\nDrift=100,140,2\n[Faults]\nUnplugFile=Unplugged\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  EXPECT_EQ(0u, RunTour(L"--installation " + Quoted(installation.Folder()) + L" --seconds 2"));
  EXPECT_EQ(0u, host.ExitCode(5000));
}

}  // namespace
}  // namespace gauge_test
