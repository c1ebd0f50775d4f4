// The display's files: a text variant choosing its own language-file section, and missing files
// (background, layout, a language file, the confirmation dialog) giving fallbacks instead of failures.
#include <gtest/gtest.h>

#include "tests/wine/driver/driver.h"
#include "tests/wine/gauge/fake_host.h"
#include "tests/wine/gauge/gauge_session.h"

namespace gauge_test {
namespace {

void SetVariant(contract::GaugeParams* record, const char16_t* variant) {
  for (int i = 0; i < contract::kTextVariantUnits && variant[i] != 0; ++i) record->head.textVariant[i] = variant[i];
}

TEST(GaugeFiles, ATextVariantSelectsItsSection) {
  const PrivateForms forms(L"variant");
  forms.AppendToLanguageFile(L"English", L"\r\n[Wavegauge.ABC]\r\nlb_Title->Caption=Signal check for ABC\r\n");
  GaugeLibrary library(forms.GaugeLibraryPath());
  ASSERT_TRUE(library.Loaded());
  for (const char16_t* variant : {u"ABC", u"XYZ"}) {
    HostScript script;
    FakeHost host(script);
    contract::GaugeParams record = HostRecord(host.Handle());
    SetVariant(&record, variant);
    std::wstring title;
    CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
      title = driver::GetText(Component(display, L"lb_Title"));
      ClickButton(display, L"bt_Exit");
    });
    if (variant[0] == u'A') {
      EXPECT_EQ(L"Signal check for ABC", title);
    } else {
      EXPECT_EQ(L"Find the best wireless signal strength", title) << "no such section: the plain one";
    }
  }
}

// A variant without its terminator is read for 16 characters and no further.
TEST(GaugeFiles, AnUnterminatedVariantIsCutAtSixteen) {
  const PrivateForms forms(L"long-variant");
  forms.AppendToLanguageFile(L"English", L"\r\n[Wavegauge.ABCDEFGHIJKLMNOP]\r\nlb_Title->Caption=Sixteen\r\n");
  GaugeLibrary library(forms.GaugeLibraryPath());
  HostScript script;
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle());
  SetVariant(&record, u"ABCDEFGHIJKLMNOPQ");  // 17 letters fill the field: no terminator
  record.receiverPresent = 1;
  std::wstring title;
  CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    title = driver::GetText(Component(display, L"lb_Title"));
    ClickButton(display, L"bt_Exit");
  });
  EXPECT_EQ(L"Sixteen", title);
}

TEST(GaugeFiles, MissingFilesGiveEnglishTextsAndAnUnshapedWindow) {
  const PrivateForms forms(L"missing");
  forms.Remove(L"Wavegauge\\English\\Wavegauge_Background.bmp");
  forms.Remove(L"Wavegauge\\UI.txt");
  forms.Remove(L"Texts\\ChineseT.txt");
  GaugeLibrary library(forms.GaugeLibraryPath());
  ASSERT_TRUE(library.Loaded());
  HostScript script;
  script.signals = {90};
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle(), 1, 1028);
  std::wstring title, meter;
  bool hasRegion = true;
  const EntryRun run = CallEntry(library, &record, kDisplayCaption, [&](HWND display) {
    driver::WaitUntil([&] { return PanelText(display) == L"90"; });
    meter = PanelText(display);
    title = driver::GetText(Component(display, L"lb_Title"));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    hasRegion = GetWindowRgn(display, region) != ERROR;
    DeleteObject(region);
    ClickButton(display, L"bt_Close");
  });
  EXPECT_TRUE(run.appeared);
  EXPECT_EQ(3, run.result);
  EXPECT_EQ(StagedText(L"English", L"Wavegauge", L"lb_Title->Caption"), title) << "ChineseT.txt missing: English";
  EXPECT_EQ(L"90", meter) << "the meter works without its files";
  EXPECT_FALSE(hasRegion) << "no background: the window stays rectangular";
}

TEST(GaugeFiles, NoReceiverWithoutTheConfirmationDialogStillReturnsThree) {
  const PrivateForms forms(L"no-ackbox");
  forms.Remove(L"Ackbox\\Ackbox.dll");
  GaugeLibrary library(forms.GaugeLibraryPath());
  HostScript script;
  FakeHost host(script);
  contract::GaugeParams record = HostRecord(host.Handle(), 0);
  const EntryRun run = CallEntry(library, &record, kAckboxCaption, {});
  EXPECT_EQ(3, run.result);
  EXPECT_FALSE(run.appeared);
  EXPECT_FALSE(run.displaySeen);
}

}  // namespace
}  // namespace gauge_test
