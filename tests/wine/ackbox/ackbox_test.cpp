// The confirmation dialog as its callers use it: load Ackbox.dll, call return_Ackbox, free it.
#include <gtest/gtest.h>

#include <string>

#include "tests/wine/ackbox/dialog_runner.h"
#include "tests/wine/ackbox/forms_tree.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/driver/teardown_watch.h"
#include "forms/bitmap.h"

namespace ackbox_test {
namespace {

constexpr uint32_t kEnglish = 1033;
constexpr uint32_t kJapanese = 1041;  // the tree has no Japanese folder
constexpr wchar_t kMessage[] = L"No receiver was found.";

std::wstring CurrentTestName() {
  const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
  return std::wstring(name.begin(), name.end());
}

class AckboxTest : public testing::Test {
 protected:
  AckboxTest() : tree_(CurrentTestName()) {}

  // One load, one call, one free: how every caller shows a message.
  DialogRun ShowOnce(uint32_t languageId, const wchar_t* message, const DriveDialog& drive) {
    Plugin plugin(tree_.PluginPath());
    EXPECT_TRUE(plugin.Loaded());
    return ShowDialog(plugin, languageId, message, drive);
  }

  FormsTree tree_;
};

void ExpectClosedBy(const DialogRun& run, int32_t result) {
  EXPECT_TRUE(run.appeared);
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(result, run.result);
}

TEST_F(AckboxTest, ReturnsWhichWayTheDialogWasClosed) {
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [](HWND d) { ClickButton(d, L"bt_OK"); }), 1);
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [](HWND d) { ClickButton(d, L"bt_WindowClose"); }), 3);
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [](HWND d) { PostMessageW(d, WM_CLOSE, 0, 0); }), 0);
  // What Alt+F4 turns into.
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); }), 0);
}

// The skin library's hook sits above the dialog's window procedure: it must see the window go.
TEST_F(AckboxTest, AHookAboveTheDialogSeesItsWindowGo) {
  HWND dialog = nullptr;
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [&](HWND d) {
                   dialog = d;
                   driver::WatchTeardown(d);
                   ClickButton(d, L"bt_OK");
                 }),
                 1);
  EXPECT_TRUE(driver::SawTeardown(dialog));
}

TEST_F(AckboxTest, ExportsTheFormVariableAndLeavesItAlone) {
  Plugin plugin(tree_.PluginPath());
  auto* formVariable = reinterpret_cast<void**>(GetProcAddress(plugin.Module(), ackbox::kFormVariableName));
  ASSERT_NE(nullptr, formVariable);
  ExpectClosedBy(ShowDialog(plugin, kEnglish, kMessage, [](HWND d) { ClickButton(d, L"bt_OK"); }), 1);
  EXPECT_EQ(nullptr, *formVariable);
}

TEST_F(AckboxTest, LeavesThePluginFolderAsTheCurrentDirectory) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  SetCurrentDirectoryW(temp);
  ExpectClosedBy(ShowOnce(kEnglish, kMessage, [](HWND d) { ClickButton(d, L"bt_OK"); }), 1);

  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring expected = tree_.PluginFolder();
  expected.pop_back();  // GetCurrentDirectory gives no trailing backslash
  EXPECT_EQ(0, lstrcmpiW(expected.c_str(), current)) << "current directory: " << current;
}

TEST_F(AckboxTest, ShowsTheMessageCentredInItsDesignedLayout) {
  RECT window{}, label{}, ok{}, close{};
  DWORD exStyle = 0;
  bool shaped = false, cornerCut = false, middleInside = false, okShaped = false;
  std::wstring text, okCaption;
  const DialogRun run = ShowOnce(kEnglish, kMessage, [&](HWND d) {
    shaped = WaitShaped(d);
    window = driver::WindowRect(d);
    exStyle = static_cast<DWORD>(GetWindowLongPtrW(d, GWL_EXSTYLE));
    cornerCut = !RegionContains(d, 0, 0);
    middleInside = RegionContains(d, 150, 76);
    label = RectInDialog(d, Component(d, L"lb_Message"));
    ok = RectInDialog(d, Component(d, L"bt_OK"));
    close = RectInDialog(d, Component(d, L"bt_WindowClose"));
    text = driver::GetText(Component(d, L"lb_Message"));
    okCaption = driver::GetText(Component(d, L"bt_OK"));
    okShaped = HasRegion(Component(d, L"bt_OK"));
    ClickButton(d, L"bt_OK");
  });
  ExpectClosedBy(run, 1);

  // The size of the background, centred on the screen.
  EXPECT_EQ(301, window.right - window.left);
  EXPECT_EQ(153, window.bottom - window.top);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 301) / 2, window.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 153) / 2, window.top);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  // Cut to the background's outline: the key-coloured corner is outside.
  EXPECT_TRUE(shaped);
  EXPECT_TRUE(cornerCut);
  EXPECT_TRUE(middleInside);

  EXPECT_EQ(kMessage, text);
  EXPECT_EQ((RECT{57, 32, 257, 98}), label) << "no auto-size: the label keeps its designed box";
  EXPECT_EQ((RECT{117, 104, 194, 130}), ok);
  EXPECT_EQ((RECT{263, 15, 284, 34}), close);
  EXPECT_EQ(L"OK", okCaption);
  EXPECT_TRUE(okShaped) << "the skin cuts the OK button to its bitmap";
}

TEST_F(AckboxTest, LanguageWithoutItsFolderTakesTheEnglishBitmaps) {
  driver::Capture capture;
  RECT ok{};
  const DialogRun run = ShowOnce(kJapanese, L"レシーバーが見つかりません。", [&](HWND d) {
    WaitShaped(d);
    Sleep(300);  // let the skin finish painting
    capture = driver::CaptureWindow(d);
    ok = RectInDialog(d, Component(d, L"bt_OK"));
    ClickButton(d, L"bt_OK");
  });
  ExpectClosedBy(run, 1);

  forms::Bitmap background, okSkin;
  ASSERT_EQ(forms::LoadResult::kOk, background.LoadFromFile(tree_.EnglishBitmap(L"Ackbox_Background.bmp")));
  ASSERT_EQ(forms::LoadResult::kOk, okSkin.LoadFromFile(tree_.EnglishBitmap(L"OK.bmp")));
  ASSERT_EQ(background.Width(), capture.width);
  ASSERT_EQ(background.Height(), capture.height);
  // The picture: the information sign and the plain area below the button.
  for (POINT p : {POINT{32, 58}, POINT{32, 72}, POINT{40, 140}, POINT{280, 120}}) {
    EXPECT_EQ(background.Pixel(p.x, p.y), capture.Pixel(p.x, p.y)) << p.x << "," << p.y;
  }
  // The button is drawn from the normal cell of the English OK.bmp (a missing skin bitmap would
  // have shrunk it to nothing).
  EXPECT_EQ((RECT{117, 104, 194, 130}), ok);
  EXPECT_EQ(okSkin.Pixel(5, 20), capture.Pixel(117 + 5, 104 + 20));
}

TEST_F(AckboxTest, AnEmptyOrNullMessageStillShowsTheDialog) {
  for (const wchar_t* message : {L"", static_cast<const wchar_t*>(nullptr)}) {
    std::wstring text = L"unread";
    bool shaped = false;
    const DialogRun run = ShowOnce(kEnglish, message, [&](HWND d) {
      shaped = WaitShaped(d);
      text = driver::GetText(Component(d, L"lb_Message"));
      ClickButton(d, L"bt_OK");
    });
    ExpectClosedBy(run, 1);
    EXPECT_TRUE(shaped);
    EXPECT_EQ(L"", text);
  }
}

TEST_F(AckboxTest, AnOverLongMessageIsCutAndShown) {
  std::wstring message;
  while (message.size() < 100000) message += L"receiver ";
  size_t shown = 0;
  const DialogRun run = ShowOnce(kEnglish, message.c_str(), [&](HWND d) {
    shown = driver::GetText(Component(d, L"lb_Message")).size();
    ClickButton(d, L"bt_OK");
  });
  ExpectClosedBy(run, 1);
  EXPECT_EQ(1024u, shown);
}

TEST_F(AckboxTest, EachLoadShapesItsDialogAgain) {
  for (int load = 0; load < 2; ++load) {
    bool shaped = false;
    const DialogRun run = ShowOnce(kEnglish, kMessage, [&](HWND d) {
      shaped = WaitShaped(d);
      ClickButton(d, L"bt_OK");
    });
    ExpectClosedBy(run, 1);
    EXPECT_TRUE(shaped) << "load " << load;
  }
}

TEST_F(AckboxTest, DisablesTheCallersWindowsWhileItShows) {
  HWND caller = CreateWindowExW(0, L"STATIC", L"Caller", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, caller);
  SetForegroundWindow(caller);
  SetActiveWindow(caller);
  bool callerEnabled = true;
  HWND owner = nullptr;
  const DialogRun run = ShowOnce(kEnglish, kMessage, [&](HWND d) {
    callerEnabled = IsWindowEnabled(caller) != FALSE;
    owner = GetWindow(d, GW_OWNER);
    ClickButton(d, L"bt_OK");
  });
  ExpectClosedBy(run, 1);
  EXPECT_FALSE(callerEnabled);
  EXPECT_EQ(caller, owner) << "the dialog stays above its caller";
  EXPECT_TRUE(IsWindowEnabled(caller));
  DestroyWindow(caller);
}

// A real left-button drag from `start` (dialog coordinates) by (dx, dy); the distance moved.
POINT DragBy(HWND dialog, POINT start, int dx, int dy) {
  const RECT before = driver::WindowRect(dialog);
  auto send = [](DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
  };
  SetCursorPos(before.left + start.x, before.top + start.y);
  Sleep(50);
  send(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step) {
    Sleep(50);
    SetCursorPos(before.left + start.x + dx * step / 4, before.top + start.y + dy * step / 4);
  }
  Sleep(50);
  send(MOUSEEVENTF_LEFTUP);
  driver::WaitUntil([&] { return driver::WindowRect(dialog).left != before.left; }, 2000);
  const RECT after = driver::WindowRect(dialog);
  return {after.left - before.left, after.top - before.top};
}

TEST_F(AckboxTest, DragsFromTheMessageAndTheBackground) {
  POINT byLabel{}, byBackground{};
  const DialogRun run = ShowOnce(kEnglish, kMessage, [&](HWND d) {
    WaitShaped(d);
    byLabel = DragBy(d, {150, 60}, 40, 30);
    byBackground = DragBy(d, {40, 135}, -20, -10);
    ClickButton(d, L"bt_OK");
  });
  ExpectClosedBy(run, 1);
  EXPECT_EQ(40, byLabel.x);
  EXPECT_EQ(30, byLabel.y);
  EXPECT_EQ(-20, byBackground.x);
  EXPECT_EQ(-10, byBackground.y);
}

TEST_F(AckboxTest, MissingBitmapsLeaveAWorkingDialog) {
  tree_.Remove(L"Ackbox\\English\\Ackbox_Background.bmp");
  tree_.Remove(L"Ackbox\\English\\OK.bmp");
  RECT window{};
  std::wstring text;
  const DialogRun run = ShowOnce(kEnglish, kMessage, [&](HWND d) {
    Sleep(200);
    window = driver::WindowRect(d);
    text = driver::GetText(Component(d, L"lb_Message"));
    ClickButton(d, L"bt_WindowClose");
  });
  ExpectClosedBy(run, 3);
  EXPECT_EQ(301, window.right - window.left) << "the designed image size";
  EXPECT_EQ(153, window.bottom - window.top);
  EXPECT_EQ(kMessage, text);
}

}  // namespace
}  // namespace ackbox_test
