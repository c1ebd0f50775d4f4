// Screenshots of the dialog in four languages, each with a message of that language from the staged
// language files, written to <build>/evidence/. Each must show its picture and readable teal text.
#include <gtest/gtest.h>

#include "tests/wine/ackbox/dialog_runner.h"
#include "tests/wine/ackbox/forms_tree.h"
#include "tests/wine/driver/screenshot.h"
#include "forms/bitmap.h"

namespace ackbox_test {
namespace {

struct Shot {
  uint32_t languageId;
  const wchar_t* language;
};

class AckboxScreenshot : public testing::TestWithParam<Shot> {};

// Dark pixels inside the message box are the text; the background there is light.
struct TextInk {
  int pixels = 0;
  COLORREF darkest = RGB(255, 255, 255);
};

TextInk InkInMessageBox(const driver::Capture& capture) {
  TextInk ink;
  for (int y = 32; y < 98; ++y) {
    for (int x = 57; x < 257; ++x) {
      const COLORREF c = capture.Pixel(x, y);
      if (GetRValue(c) >= 160) continue;
      ++ink.pixels;
      if (GetRValue(c) < GetRValue(ink.darkest)) ink.darkest = c;
    }
  }
  return ink;
}

TEST_P(AckboxScreenshot, ShowsThePictureAndTheMessage) {
  const Shot shot = GetParam();
  const std::wstring message = StagedText(shot.language, L"CorvilMain", L"NoDongleExists");
  ASSERT_FALSE(message.empty());
  const FormsTree tree(std::wstring(L"shot-") + shot.language);
  driver::Capture capture;
  Plugin plugin(tree.PluginPath());
  const DialogRun run = ShowDialog(plugin, shot.languageId, message.c_str(), [&](HWND d) {
    WaitShaped(d);
    Sleep(400);  // painting of the skinned buttons settles
    capture = driver::CaptureWindow(d);
    ClickButton(d, L"bt_OK");
  });
  EXPECT_EQ(1, run.result);
  const std::wstring path = EvidenceFolder() + L"ackbox_" + shot.language + L".png";
  ASSERT_TRUE(driver::WritePng(capture, path));

  forms::Bitmap background;
  ASSERT_EQ(forms::LoadResult::kOk, background.LoadFromFile(tree.EnglishBitmap(L"Ackbox_Background.bmp")));
  EXPECT_EQ(background.Pixel(32, 58), capture.Pixel(32, 58));
  const TextInk ink = InkInMessageBox(capture);
  EXPECT_GT(ink.pixels, 60) << "the message is drawn";
  // Teal: green and blue well above red.
  EXPECT_GT(GetGValue(ink.darkest), GetRValue(ink.darkest) + 40);
  EXPECT_GT(GetBValue(ink.darkest), GetRValue(ink.darkest) + 40);
}

INSTANTIATE_TEST_SUITE_P(Languages, AckboxScreenshot,
                         testing::Values(Shot{1033, L"English"}, Shot{1028, L"ChineseT"},
                                         Shot{1041, L"Japanese"}, Shot{1049, L"Russian"}),
                         [](const testing::TestParamInfo<Shot>& info) {
                           const std::wstring name = info.param.language;
                           return std::string(name.begin(), name.end());
                         });

}  // namespace
}  // namespace ackbox_test
