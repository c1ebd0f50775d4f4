// Screenshots of every step, for a mouse with each switch and for a keyboard, in English, ChineseT
// and Russian (evidence/wizard/<language>-<step>-<device>.png). Each step is checked for being
// drawn at all: the picture must not be empty, and the texts must be the language's.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "forms/bitmap.h"
#include "plugins/wizard/core/wizard_files.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/wizard/fake_host.h"
#include "tests/wine/wizard/wizard_session.h"

namespace wizard_test {
namespace {

struct Language {
  const wchar_t* name;
  uint16_t id;
};

// Nothing reported for the first polls, so that step 2 shows its countdown for a while.
void AnswerAfterThreeSeconds(FakeHost& host, WPARAM type, LPARAM id) {
  host.polls.clear();
  for (int i = 0; i < 5; ++i) host.polls.push_back({1, static_cast<WPARAM>(-1), 0});
  host.polls.push_back({1, type, id});
}

// Which of step 2's three backgrounds the window shows: the one whose device pictures (the panel
// between the OFF and ON notes) match the capture pixel for pixel.
std::wstring ShownPicture(const driver::Capture& capture, const std::wstring& pluginFolder,
                          const std::wstring& language) {
  for (const wchar_t* file : {L"MouseCorvilStep201_Background.bmp", L"MouseCorvilStep202_Background.bmp",
                              L"KeyboardCorvilStep2_Background.bmp"}) {
    forms::Bitmap picture;
    // Where the step forms find it: the language folder, else English.
    if (picture.LoadFromFile(wizard::FindBitmap(pluginFolder, language, file)) != forms::LoadResult::kOk) continue;
    int differing = 0;
    for (int y = 186; y < 246; ++y) {
      for (int x = 110; x < 280; ++x) differing += picture.Pixel(x, y) != capture.Pixel(x, y);
    }
    if (differing == 0) return file;
  }
  return L"none";
}

class WizardScreenshot : public testing::TestWithParam<Language> {
 protected:
  WizardScreenshot()
      : tree_(std::wstring(L"shots-") + GetParam().name, {GetParam().name}), library_(tree_.PluginPath()) {}

  // Saves the step and reports how many distinct colours it has (a blank window has one or two).
  size_t Shoot(HWND step, const std::wstring& what) {
    Sleep(400);  // the skin paints after the controls
    const driver::Capture capture = driver::CaptureWindow(step);
    last_ = capture;
    driver::WritePng(capture, EvidenceFolder() + GetParam().name + L"-" + what + L".png");
    std::set<uint32_t> colours(capture.pixels.begin(), capture.pixels.end());
    return colours.size();
  }

  std::wstring LastPicture() const { return ShownPicture(last_, tree_.PluginFolder(), GetParam().name); }

  FormsTree tree_;
  WizardLibrary library_;
  FakeHost host_;
  driver::Capture last_;
};

TEST_P(WizardScreenshot, EveryStepForMiceAndKeyboard) {
  const std::wstring language = GetParam().name;
  std::wstring title2;
  // A mouse with a slide switch, through all four steps.
  AnswerAfterThreeSeconds(host_, 1, 0x2BCDE);
  contract::WizardParams record = MakeRecord(GetParam().id, host_.Window(), 1);
  WizardRun run = RunWizard(library_, &record, [&] {
    HWND step = WaitStep(1);
    EXPECT_GT(Shoot(step, L"step1-mouse"), 50u);
    Press(step, L"bt_NextStep");
    step = WaitStep(2);
    driver::WaitText(Part(step, L"lb_Message"), L"59");
    title2 = TextOf(step, L"lb_ActivateDeviceTitle_Mouse1");
    EXPECT_GT(Shoot(step, L"step2-mouse-slide-switch"), 50u);
    EXPECT_EQ(L"MouseCorvilStep201_Background.bmp", LastPicture());
    step = WaitStep(3);
    EXPECT_GT(Shoot(step, L"step3-mouse"), 50u);
    Press(step, L"bt_NextStep");
    step = WaitStep(4);
    EXPECT_GT(Shoot(step, L"step4-mouse"), 50u);
    Press(step, L"bt_Exit");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(StagedText(language, L"CorvilStep2", L"lb_ActivateDeviceTitle_Mouse1->Caption"), title2);

  // A mouse with a push-button switch: step 2 only.
  AnswerAfterThreeSeconds(host_, 1, 0x2BCDF);
  record = MakeRecord(GetParam().id, host_.Window(), 1);
  run = RunWizard(library_, &record, [&] {
    HWND step = WaitStep(1);
    Press(step, L"rb_MousePair_Type2");
    Press(step, L"bt_NextStep");
    step = WaitStep(2);
    driver::WaitText(Part(step, L"lb_Message"), L"59");
    EXPECT_GT(Shoot(step, L"step2-mouse-push-button"), 50u);
    EXPECT_EQ(L"MouseCorvilStep202_Background.bmp", LastPicture());
    Press(step, L"bt_Close");
  });
  EXPECT_EQ(3, run.result);

  // A keyboard, through all four steps, with the success button pressed.
  AnswerAfterThreeSeconds(host_, 2, 0x12345);
  record = MakeRecord(GetParam().id, host_.Window(), 2);
  run = RunWizard(library_, &record, [&] {
    HWND step = WaitStep(1);
    EXPECT_GT(Shoot(step, L"step1-keyboard"), 50u);
    Press(step, L"bt_NextStep");
    step = WaitStep(2);
    driver::WaitText(Part(step, L"lb_Message"), L"59");
    EXPECT_GT(Shoot(step, L"step2-keyboard"), 50u);
    EXPECT_EQ(L"KeyboardCorvilStep2_Background.bmp", LastPicture());
    step = WaitStep(3);
    EXPECT_GT(Shoot(step, L"step3-keyboard"), 50u);
    Press(step, L"bt_NextStep");
    step = WaitStep(4);
    EXPECT_GT(Shoot(step, L"step4-keyboard"), 50u);
    Press(step, L"bt_Success");
    EXPECT_GT(Shoot(step, L"step4-keyboard-done"), 50u);
    Press(step, L"bt_Exit");
  });
  EXPECT_EQ(1, run.result);
}

INSTANTIATE_TEST_SUITE_P(Languages, WizardScreenshot,
                         testing::Values(Language{L"English", 0x0409}, Language{L"ChineseT", 0x0404},
                                         Language{L"Russian", 0x0419}),
                         [](const testing::TestParamInfo<Language>& info) {
                           const std::wstring name = info.param.name;
                           return std::string(name.begin(), name.end());
                         });

}  // namespace
}  // namespace wizard_test
