// Screenshots of both dialogs (English, and one other language each) with the manager's own
// questions from the staged language files, written to <build>/evidence/.
#include <gtest/gtest.h>

#include "tests/wine/dialogs/calls.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"

namespace dialog_test {
namespace {

// Dark pixels in a box of the capture: drawn text on the light background.
int InkIn(const driver::Capture& capture, RECT box) {
  int ink = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (GetRValue(capture.Pixel(x, y)) < 150) ++ink;
    }
  }
  return ink;
}

void Shoot(HWND d, driver::Capture* capture) {
  WaitShaped(d);
  Sleep(400);  // painting of the skinned buttons settles
  *capture = driver::CaptureWindow(d);
}

TEST(DialogScreenshots, NotaboxInEnglishAndGerman) {
  for (const auto& [id, language] : {std::pair<uint32_t, const wchar_t*>{1033, L"English"}, {1031, L"German"}}) {
    const std::wstring question = StagedText(language, L"CorvilManager", L"MouseRemoveYesNo");
    ASSERT_FALSE(question.empty());
    driver::Capture capture;
    const DialogRun run = AskNotabox(id, question.c_str(), [&](HWND d) {
      Shoot(d, &capture);
      ClickButton(d, L"bt_No");
    });
    EXPECT_EQ(0, run.result);
    ASSERT_TRUE(driver::WritePng(capture, EvidenceFolder() + L"notabox_" + language + L".png"));
    EXPECT_GT(InkIn(capture, {57, 28, 267, 98}), 60) << "the question is drawn";
    EXPECT_GT(InkIn(capture, {62, 108, 139, 134}), 10) << "Yes carries its caption";
  }
}

TEST(DialogScreenshots, QuerentInEnglishAndChineseT) {
  for (const auto& [id, language] : {std::pair<uint16_t, const wchar_t*>{1033, L"English"}, {1028, L"ChineseT"}}) {
    const std::wstring prompt = StagedText(language, L"CorvilManager", L"InputDeviceName");
    ASSERT_FALSE(prompt.empty());
    contract::QuerentRequest request = MakeRequest(id, prompt, L"Desk mouse", 14);
    driver::Capture capture;
    const DialogRun run = AskQuerent(&request, [&](HWND d) {
      Shoot(d, &capture);
      ClickButton(d, L"bt_Cancel");
    });
    EXPECT_EQ(0, run.result);
    ASSERT_TRUE(driver::WritePng(capture, EvidenceFolder() + L"querent_" + language + L".png"));
    EXPECT_GT(InkIn(capture, {57, 24, 267, 60}), 40) << "the prompt is drawn";
    EXPECT_GT(InkIn(capture, {57, 68, 267, 90}), 20) << "the edit box shows the name";
  }
}

}  // namespace
}  // namespace dialog_test
