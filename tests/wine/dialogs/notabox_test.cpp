// The yes/no question: Yes 1, No 0, every other way of closing no answer (negative); its texts, its
// keys, and the folder it leaves current.
#include <gtest/gtest.h>

#include "tests/wine/dialogs/calls.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/teardown_watch.h"

namespace dialog_test {
namespace {

constexpr uint32_t kEnglish = 1033;
constexpr uint32_t kGerman = 1031;
constexpr wchar_t kQuestion[] = L"Remove this mouse from the receiver?";

void ExpectAnswer(const DialogRun& run, int32_t expected) {
  EXPECT_TRUE(run.appeared);
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(expected, run.result);
}

TEST(Notabox, AnswersYesNoOrNothing) {
  ExpectAnswer(AskNotabox(kEnglish, kQuestion, [](HWND d) { ClickButton(d, L"bt_Yes"); }), 1);
  ExpectAnswer(AskNotabox(kEnglish, kQuestion, [](HWND d) { ClickButton(d, L"bt_No"); }), 0);
  const DialogRun closeButton = AskNotabox(kEnglish, kQuestion, [](HWND d) { ClickButton(d, L"bt_WindowClose"); });
  EXPECT_TRUE(closeButton.appeared);
  EXPECT_LT(closeButton.result, 0);
  const DialogRun closed = AskNotabox(kEnglish, kQuestion, [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); });
  EXPECT_LT(closed.result, 0);
  const DialogRun altF4 = AskNotabox(kEnglish, kQuestion, [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_LT(altF4.result, 0);
}

TEST(Notabox, AHookAboveTheDialogSeesItsWindowGo) {
  HWND dialog = nullptr;
  AskNotabox(kEnglish, kQuestion, [&](HWND d) {
    dialog = d;
    driver::WatchTeardown(d);
    ClickButton(d, L"bt_No");
  });
  EXPECT_TRUE(driver::SawTeardown(dialog));
}

TEST(Notabox, EscapeIsNoAnswerAndEnterAnswersTheFocusedButtonWhichStartsOnNo) {
  const DialogRun escape = AskNotabox(kEnglish, kQuestion, [](HWND d) {
    WaitShaped(d);
    PressKey(d, VK_ESCAPE);
  });
  EXPECT_FALSE(escape.forcedClosed);
  EXPECT_LT(escape.result, 0);

  std::wstring focused;
  const DialogRun enter = AskNotabox(kEnglish, kQuestion, [&](HWND d) {
    WaitShaped(d);
    focused = driver::ComponentName(driver::FocusedWindow(d));
    PressKey(d, VK_RETURN);
  });
  EXPECT_EQ(L"bt_No", focused) << "a question that may remove a device starts on No";
  ExpectAnswer(enter, 0);
}

TEST(Notabox, ShowsTheQuestionOnItsBackground) {
  std::wstring text;
  RECT window{};
  ExpectAnswer(AskNotabox(kEnglish, kQuestion, [&](HWND d) {
                 text = driver::GetText(Component(d, L"lb_Message"));
                 window = driver::WindowRect(d);
                 ClickButton(d, L"bt_No");
               }),
               0);
  EXPECT_EQ(kQuestion, text);
  EXPECT_EQ(301, window.right - window.left) << "the size of its background";
  EXPECT_EQ(153, window.bottom - window.top);
}

TEST(Notabox, DrawsYesAndNoInTheUsersLanguage) {
  // The captions are drawn into the language's button bitmaps.
  const std::wstring root = StagedFormsFolder() + L"Notabox\\";
  for (const wchar_t* file : {L"OK.bmp", L"Cancel.bmp"}) {
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((root + L"English\\" + file).c_str())) << file;
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((root + L"German\\" + file).c_str())) << file;
  }
  ExpectAnswer(AskNotabox(kGerman, L"Diese Maus entfernen?", [](HWND d) { ClickButton(d, L"bt_Yes"); }), 1);
}

TEST(Notabox, LeavesItsOwnFolderCurrentAndTakesANullQuestion) {
  SetCurrentDirectoryW(L"C:\\");
  std::wstring text = L"unread";
  ExpectAnswer(AskNotabox(kEnglish, nullptr, [&](HWND d) {
                 text = driver::GetText(Component(d, L"lb_Message"));
                 ClickButton(d, L"bt_Yes");
               }),
               1);
  EXPECT_EQ(L"", text);
  EXPECT_TRUE(SameFolder(StagedFormsFolder() + L"Notabox\\", CurrentFolder())) << CurrentFolder();
}

}  // namespace
}  // namespace dialog_test
