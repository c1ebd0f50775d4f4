// Screenshots of the signal display in three languages with a number in the meter, written to
// <build>/evidence/. The meter must be legible: dark red digits on the white box.
#include <gtest/gtest.h>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"

namespace gauge_test {
namespace {

struct Shot {
  uint16_t languageId;
  const wchar_t* language;
};

class GaugeScreenshot : public testing::TestWithParam<Shot> {};

// Red ink inside the meter box (pl_RSSI at 380, 149, 65 x 22 in the form).
int RedPixelsInMeter(const driver::Capture& capture) {
  int red = 0;
  for (int y = 149; y < 171; ++y) {
    for (int x = 380; x < 445; ++x) {
      const COLORREF c = capture.Pixel(x, y);
      if (GetRValue(c) > 150 && GetGValue(c) < 90 && GetBValue(c) < 90) ++red;
    }
  }
  return red;
}

TEST_P(GaugeScreenshot, ShowsTheNumberInTheMeter) {
  const Shot shot = GetParam();
  GaugeLibrary library;
  ASSERT_TRUE(library.Loaded());
  HostScript script;
  script.signals = {117, 118, 119, 116, 115};  // average 117
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle(), 1, shot.languageId);
  driver::Capture capture;
  std::wstring shown, title;
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    WaitShaped(display);
    driver::WaitUntil([&] { return PanelText(display) == L"117"; });
    Sleep(400);  // painting of the skinned buttons settles
    shown = PanelText(display);
    title = driver::GetText(Component(display, L"lb_Title"));
    capture = driver::CaptureWindow(display);
    ClickButton(display, L"bt_Exit");
  });
  EXPECT_EQ(0, run.result);
  EXPECT_EQ(L"117", shown);
  EXPECT_EQ(StagedText(shot.language, L"Wavegauge", L"lb_Title->Caption"), title);
  ASSERT_TRUE(driver::WritePng(capture, EvidenceFolder() + L"wavegauge_" + shot.language + L".png"));
  EXPECT_GT(RedPixelsInMeter(capture), 25) << "the number is drawn in red";
}

INSTANTIATE_TEST_SUITE_P(Languages, GaugeScreenshot,
                         testing::Values(Shot{1033, L"English"}, Shot{1028, L"ChineseT"}, Shot{1041, L"Japanese"}),
                         [](const testing::TestParamInfo<Shot>& info) {
                           const std::wstring name = info.param.language;
                           return std::string(name.begin(), name.end());
                         });

}  // namespace
}  // namespace gauge_test
