// The text input: the block's text is replaced only when the user accepts, never beyond the maximum
// length, and left byte for byte as it was otherwise.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/wine/dialogs/calls.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/teardown_watch.h"

namespace dialog_test {
namespace {

constexpr uint16_t kEnglish = 1033;
constexpr wchar_t kPrompt[] = L"Device name (at most 14 characters):";

TEST(Querent, OkWritesTheEditedTextBack) {
  contract::QuerentRequest request = MakeRequest(kEnglish, kPrompt, L"Mouse", 14);
  std::wstring shown, prompt;
  const DialogRun run = AskQuerent(&request, [&](HWND d) {
    HWND edit = Component(d, L"ed_Text");
    shown = driver::GetText(edit);
    prompt = driver::GetText(Component(d, L"lb_Prompt"));
    driver::SetText(edit, L"Desk mouse");
    ClickButton(d, L"bt_OK");
  });
  EXPECT_TRUE(run.appeared);
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(L"Mouse", shown) << "prefilled with the block's text";
  EXPECT_EQ(kPrompt, prompt);
  EXPECT_EQ(L"Desk mouse", Get(request.text));
  EXPECT_EQ(14, request.maxLength);
}

TEST(Querent, AHookAboveTheDialogSeesItsWindowGo) {
  contract::QuerentRequest request = MakeRequest(kEnglish, kPrompt, L"Mouse", 14);
  HWND dialog = nullptr;
  AskQuerent(&request, [&](HWND d) {
    dialog = d;
    driver::WatchTeardown(d);
    ClickButton(d, L"bt_Cancel");
  });
  EXPECT_TRUE(driver::SawTeardown(dialog));
}

TEST(Querent, CancelCloseAndEscapeLeaveTheBlockAsItWas) {
  const contract::QuerentRequest original = MakeRequest(kEnglish, kPrompt, L"Mouse", 14);
  const std::function<void(HWND)> ways[] = {
      [](HWND d) { ClickButton(d, L"bt_Cancel"); },
      [](HWND d) { ClickButton(d, L"bt_WindowClose"); },
      [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); },
      [](HWND d) {
        WaitShaped(d);
        PressKey(d, VK_ESCAPE);
      },
  };
  for (const auto& way : ways) {
    contract::QuerentRequest request = original;
    const DialogRun run = AskQuerent(&request, [&](HWND d) {
      driver::SetText(Component(d, L"ed_Text"), L"Changed");
      way(d);
    });
    EXPECT_TRUE(run.appeared);
    EXPECT_FALSE(run.forcedClosed);
    EXPECT_EQ(0, run.result);
    EXPECT_EQ(0, std::memcmp(&original, &request, sizeof(request))) << "the block is untouched";
  }
}

TEST(Querent, EnterInTheEditBoxAccepts) {
  contract::QuerentRequest request = MakeRequest(kEnglish, kPrompt, L"Mouse", 14);
  const DialogRun run = AskQuerent(&request, [](HWND d) {
    WaitShaped(d);
    driver::SetText(Component(d, L"ed_Text"), L"Typed");
    PressKey(d, VK_RETURN);
  });
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(L"Typed", Get(request.text));
}

TEST(Querent, NeverAcceptsMoreThanTheMaximumLength) {
  // Typed (sent) text, a prefilled text and the written-back text all stop at 14 characters.
  contract::QuerentRequest request = MakeRequest(kEnglish, kPrompt, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 14);
  std::wstring prefilled, afterTyping;
  const DialogRun run = AskQuerent(&request, [&](HWND d) {
    HWND edit = Component(d, L"ed_Text");
    prefilled = driver::GetText(edit);
    driver::SetText(edit, L"The mouse on the left of the desk");
    afterTyping = driver::GetText(edit);
    ClickButton(d, L"bt_OK");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(L"ABCDEFGHIJKLMN", prefilled);
  EXPECT_EQ(L"The mouse on t", afterTyping);
  EXPECT_EQ(L"The mouse on t", Get(request.text));
  EXPECT_EQ(0, request.text[14]) << "terminated";
}

TEST(Querent, AnUnterminatedOrOddBlockIsReadWithinItsRoom) {
  // No terminating zero anywhere and a nonsense maximum: the dialog reads 255 units at most and
  // writes back at most 255 units and a zero.
  contract::QuerentRequest request{};
  request.languageId = kEnglish;
  for (char16_t& unit : request.prompt) unit = u'P';
  for (char16_t& unit : request.text) unit = u'T';
  request.maxLength = -7;
  size_t shown = 0;
  const DialogRun run = AskQuerent(&request, [&](HWND d) {
    shown = driver::GetText(Component(d, L"ed_Text")).size();
    ClickButton(d, L"bt_OK");
  });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(255u, shown);
  EXPECT_EQ(0, request.text[255]);
  EXPECT_EQ(-7, request.maxLength) << "the dialog writes nothing beyond the text";
}

TEST(Querent, ANullRequestShowsNothing) {
  Library library(QuerentPath());
  const auto entry = library.Entry<contract::ReturnQuerentProc>(contract::kReturnQuerent);
  ASSERT_NE(nullptr, entry);
  EXPECT_EQ(0, entry(nullptr));
}

TEST(Querent, LeavesItsOwnFolderCurrentAndSpeaksTheUsersLanguage) {
  SetCurrentDirectoryW(L"C:\\");
  contract::QuerentRequest request = MakeRequest(1028, L"裝置名稱", L"滑鼠", 14);
  const DialogRun run = AskQuerent(&request, [&](HWND d) { ClickButton(d, L"bt_OK"); });
  EXPECT_EQ(1, run.result);
  EXPECT_EQ(L"滑鼠", Get(request.text));
  EXPECT_TRUE(SameFolder(StagedFormsFolder() + L"Querent\\", CurrentFolder())) << CurrentFolder();
}

}  // namespace
}  // namespace dialog_test
