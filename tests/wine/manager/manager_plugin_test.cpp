// The manager plug-in called in this process with a block the test builds, the host's side played
// by a test window: what the rows show, the update protocol with its results, the refused update,
// the single instance, missing dialog libraries, hidden rows, and screenshots in three languages.
#include <gtest/gtest.h>

#include <cstring>

#include "plugins/manager/core/device_slots.h"
#include "plugins/manager/core/manager_model.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/teardown_watch.h"
#include "tests/wine/manager/fake_host.h"
#include "tests/wine/manager/manager_drive.h"

namespace manager_test {
namespace {

using dialog_test::DialogRun;
constexpr int32_t kOff = static_cast<int32_t>(manager::kDisabledBit);

std::wstring TestName() {
  const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
  return std::wstring(name.begin(), name.end());
}

class ManagerPlugin : public testing::Test {
 protected:
  ManagerPlugin() : forms(TestName()) {
    host.PutMouse(1, 0x11111, L"Main");
    host.PutMouse(2, 0x51234 | kOff, L"Spare");
    host.PutKeyboard(1, 0x33333, L"Keys");
  }
  DialogRun Open(const std::function<void(HWND)>& drive) { return host.Open(forms.PluginPath(), drive); }
  DWORD Me() const { return GetCurrentProcessId(); }

  FormsCopy forms;
  FakeHost host;
};

TEST_F(ManagerPlugin, ShowsEachDeviceWithItsIdNameAndState) {
  std::wstring id1, id2, name2, id3, keyboard2;
  bool ticked1 = false, ticked2 = true, shownBox3 = true, shownRemove3 = true, keyboardBox1 = false;
  RECT window{};
  const DialogRun run = Open([&](HWND f) {
    dialog_test::WaitShaped(f);
    window = driver::WindowRect(f);
    id1 = TextOf(f, L"lb_MouseID1");
    id2 = TextOf(f, L"lb_MouseID2");
    name2 = TextOf(f, L"lb_MouseName2");
    id3 = TextOf(f, L"lb_MouseID3");
    ticked1 = IsTicked(f, L"ck_MouseEnable1");
    ticked2 = IsTicked(f, L"ck_MouseEnable2");
    shownBox3 = IsShown(f, L"ck_MouseEnable3");
    shownRemove3 = IsShown(f, L"bt_MouseRemove3");
    keyboardBox1 = IsShown(f, L"ck_KeyboardEnable1");
    keyboard2 = TextOf(f, L"lb_KeyboardID2");
    ClickNow(f, L"bt_OK");
  });
  EXPECT_TRUE(run.appeared);
  EXPECT_EQ(manager::kClosedKeeping, run.result) << "OK";
  EXPECT_EQ(549, window.right - window.left);
  EXPECT_EQ(557, window.bottom - window.top);
  EXPECT_EQ(L"011111", id1);
  EXPECT_EQ(L"051234", id2) << "bit 23 is not part of the identifier";
  EXPECT_EQ(L"Spare", name2);
  EXPECT_TRUE(ticked1);
  EXPECT_FALSE(ticked2) << "a disabled device shows a clear box";
  EXPECT_EQ(L"No device", id3);
  EXPECT_FALSE(shownBox3);
  EXPECT_FALSE(shownRemove3);
  EXPECT_TRUE(keyboardBox1);
  EXPECT_EQ(L"No device", keyboard2);
  EXPECT_TRUE(host.inserts.empty());
  EXPECT_TRUE(dialog_test::SameFolder(forms.Root() + L"CorvilManager\\", dialog_test::CurrentFolder()));
}

TEST_F(ManagerPlugin, CancelRestoresTheOpeningStateWithOneUpdate) {
  const host::TPairedDeviceTable opened = host.table;
  const DialogRun run = Open([&](HWND f) {
    ClickNow(f, L"ck_MouseEnable2");       // switch the spare mouse on
    ClickNow(f, L"rb_DisplayColorCircle");  // another display mode
    ClickLater(f, L"bt_KeyboardRemove1");
    Answer(Me(), L"FNotabox", L"bt_Yes");
    driver::WaitText(driver::FindComponent(f, L"lb_KeyboardID1"), L"No device");
    ClickNow(f, L"bt_Cancel");
  });
  EXPECT_EQ(manager::kRestored, run.result);
  ASSERT_EQ(4u, host.inserts.size());
  EXPECT_EQ(0x51234, host.inserts[0].wanted.mouseIds[1]);
  EXPECT_EQ(2, host.inserts[1].wantedMode);
  EXPECT_EQ(manager::kEmptySlot, host.inserts[2].wanted.keyboardIds[0]);
  EXPECT_EQ(0, std::memcmp(&opened, &host.inserts[3].wanted, sizeof(opened))) << "the restoring update";
  EXPECT_EQ(1, host.inserts[3].wantedMode);
  EXPECT_EQ(0, std::memcmp(&opened, &host.table, sizeof(opened)));
}

TEST_F(ManagerPlugin, ClosingOtherwiseReturnsZeroAndCancelWithoutChangeTwo) {
  EXPECT_EQ(manager::kClosedOtherwise, Open([](HWND f) { PostMessageW(f, WM_CLOSE, 0, 0); }).result);
  EXPECT_EQ(manager::kClosedKeeping, Open([](HWND f) { ClickNow(f, L"bt_Close"); }).result);
  EXPECT_TRUE(host.inserts.empty());
}

TEST_F(ManagerPlugin, AHookAboveTheWindowSeesItGo) {
  HWND window = nullptr;
  Open([&](HWND f) {
    window = f;
    driver::WatchTeardown(f);
    ClickNow(f, L"bt_Close");
  });
  EXPECT_TRUE(driver::SawTeardown(window));
}

TEST_F(ManagerPlugin, ARefusedUpdateClosesTheWindowWithTwo) {
  host.answer = contract::kInsertRefused;
  bool closed = false;
  const DialogRun run = Open([&](HWND f) {
    ClickNow(f, L"ck_MouseEnable2");
    closed = dialog_test::WaitClosed(f, 5000);
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(run.forcedClosed);
  EXPECT_EQ(manager::kClosedKeeping, run.result);
  ASSERT_EQ(1u, host.inserts.size());
  EXPECT_EQ(0x51234, host.table.mouseIds[1]) << "the block keeps the refused content";
}

TEST_F(ManagerPlugin, ASecondCallWhileOpenReturnsThree) {
  int32_t second = -1;
  bool stillOne = false;
  const DialogRun run = Open([&](HWND f) {
    dialog_test::Library library(forms.PluginPath());
    const auto entry = library.Entry<contract::ReturnCorvilManagerProc>(contract::kReturnCorvilManager);
    FakeHost other;
    if (entry != nullptr) second = entry(&host.params);
    stillOne = FindWindowW(nullptr, L"FCorvilManager") == f;
    ClickNow(f, L"bt_OK");
  });
  EXPECT_EQ(manager::kClosedKeeping, run.result);
  EXPECT_EQ(contract::kAlreadyOpen, second);
  EXPECT_TRUE(stillOne);
}

TEST_F(ManagerPlugin, TheLastMouseStaysOnWithAMessage) {
  bool answered = false, ticked = false;
  std::wstring message;
  Open([&](HWND f) {
    ClickLater(f, L"ck_MouseEnable1");
    HWND ack = WaitWindow(GetCurrentProcessId(), L"FAckbox");
    if (ack != nullptr) message = driver::GetText(driver::FindComponent(ack, L"lb_Message"));
    answered = Answer(Me(), L"FAckbox", L"bt_OK");
    driver::WaitUntil([&] { return IsTicked(f, L"ck_MouseEnable1"); }, 3000);
    ticked = IsTicked(f, L"ck_MouseEnable1");
    ClickNow(f, L"bt_OK");
  });
  EXPECT_TRUE(answered);
  EXPECT_EQ(L"At least one mouse must stay switched on.", message);
  EXPECT_TRUE(ticked);
  EXPECT_TRUE(host.inserts.empty());
}

TEST_F(ManagerPlugin, SwitchingOffTheLastKeyboardAsksFirst) {
  bool asked = false, tickedAfterNo = false;
  Open([&](HWND f) {
    ClickLater(f, L"ck_KeyboardEnable1");
    asked = Answer(Me(), L"FNotabox", L"bt_No");
    driver::WaitUntil([&] { return host.inserts.size() == 1; }, 3000);
    tickedAfterNo = IsTicked(f, L"ck_KeyboardEnable1");
    ClickLater(f, L"ck_KeyboardEnable1");
    Answer(Me(), L"FNotabox", L"bt_Yes");
    driver::WaitUntil([&] { return host.inserts.size() == 2; }, 3000);
    ClickNow(f, L"bt_OK");
  });
  EXPECT_TRUE(asked);
  EXPECT_TRUE(tickedAfterNo) << "No ticks the box again";
  ASSERT_EQ(2u, host.inserts.size()) << "sent after either answer";
  EXPECT_EQ(0x33333, host.inserts[0].wanted.keyboardIds[0]);
  EXPECT_EQ(0x33333 | kOff, host.inserts[1].wanted.keyboardIds[0]);
}

TEST_F(ManagerPlugin, RenameThroughQuerentAndCancelledRenameStillSends) {
  Open([&](HWND f) {
    ClickLabel(f, L"lb_MouseName1");
    Answer(Me(), L"FQuerent", L"bt_Cancel");
    driver::WaitUntil([&] { return host.inserts.size() == 1; }, 3000);
    ClickLabel(f, L"lb_MouseName1");
    Answer(Me(), L"FQuerent", L"bt_OK", L"Desk mouse");
    driver::WaitText(driver::FindComponent(f, L"lb_MouseName1"), L"Desk mouse");
    ClickNow(f, L"bt_OK");
  });
  ASSERT_EQ(2u, host.inserts.size());
  EXPECT_EQ(0, std::memcmp(&host.inserts[0].accepted, &host.inserts[0].wanted, sizeof(host::TPairedDeviceTable)));
  EXPECT_EQ(L"Desk mouse", manager::NameOf(host.table, manager::Kind::kMouse, 1));
  EXPECT_EQ(0x11111, host.table.mouseIds[0]);
}

TEST_F(ManagerPlugin, MissingDialogLibrariesChangeNothingAndEndNothing) {
  forms.Remove(L"Notabox\\Notabox.dll");
  forms.Remove(L"Querent\\Querent.dll");
  forms.Remove(L"Ackbox\\Ackbox.dll");
  const host::TPairedDeviceTable opened = host.table;
  bool mouseTicked = false, keyboardTicked = false;
  std::wstring name;
  const DialogRun run = Open([&](HWND f) {
    ClickNow(f, L"bt_KeyboardRemove1");  // no question: nothing removed
    ClickNow(f, L"bt_MouseRemove2");
    ClickNow(f, L"ck_KeyboardEnable1");  // the last keyboard: not asked, so it stays on
    ClickNow(f, L"ck_MouseEnable1");     // the last mouse: no message, still refused
    mouseTicked = IsTicked(f, L"ck_MouseEnable1");
    keyboardTicked = IsTicked(f, L"ck_KeyboardEnable1");
    ClickLabel(f, L"lb_MouseName1");     // no text input: the name stays
    driver::WaitUntil([&] { return host.inserts.size() == 2; }, 3000);
    name = TextOf(f, L"lb_MouseName1");
    ClickNow(f, L"bt_OK");
  });
  EXPECT_TRUE(run.appeared);
  EXPECT_EQ(manager::kClosedKeeping, run.result);
  EXPECT_TRUE(mouseTicked);
  EXPECT_TRUE(keyboardTicked);
  EXPECT_EQ(L"Main", name);
  ASSERT_EQ(2u, host.inserts.size()) << "the keyboard's and the rename's updates, the table unchanged";
  EXPECT_EQ(0, std::memcmp(&opened, &host.table, sizeof(opened)));
  EXPECT_TRUE(dialog_test::SameFolder(forms.Root() + L"CorvilManager\\", dialog_test::CurrentFolder()));
}

TEST_F(ManagerPlugin, RowsAboveTheActiveCountAreHiddenAndKept) {
  forms.Write(L"CorvilManager\\UI.txt", "[English]\r\nSetActiveDeviceCount=3\r\n");
  host.PutMouse(4, 0x44444, L"Tool A");
  host.PutMouse(5, 0x55555 | kOff, L"Tool B");
  host.PutKeyboard(5, 0x66666, L"Tool keys");
  bool row4 = true, row3 = false;
  Open([&](HWND f) {
    row4 = IsShown(f, L"lb_MouseID4") || IsShown(f, L"ck_MouseEnable4") || IsShown(f, L"lb_MousePen4");
    row3 = IsShown(f, L"lb_MouseID3");
    ClickNow(f, L"ck_MouseEnable2");
    ClickLater(f, L"bt_MouseRemove1");
    Answer(Me(), L"FNotabox", L"bt_Yes");
    driver::WaitUntil([&] { return host.inserts.size() == 2; }, 3000);
    ClickNow(f, L"bt_OK");
  });
  EXPECT_FALSE(row4);
  EXPECT_TRUE(row3);
  ASSERT_EQ(2u, host.inserts.size());
  EXPECT_EQ(0x51234, host.table.mouseIds[0]) << "compacted within the shown rows";
  EXPECT_EQ(0x44444, host.table.mouseIds[3]);
  EXPECT_EQ(0x55555 | kOff, host.table.mouseIds[4]);
  EXPECT_EQ(L"Tool B", manager::NameOf(host.table, manager::Kind::kMouse, 5));
  EXPECT_EQ(0x66666, host.table.keyboardIds[4]);
}

struct Language {
  uint16_t id;
  const wchar_t* name;
};

TEST_F(ManagerPlugin, ScreenshotsInEnglishChineseTAndGerman) {
  host.PutMouse(3, 0x2A0F3, L"Presenter");
  host.PutKeyboard(2, 0x40C1D | kOff, L"Spare keys");
  for (const Language& language : {Language{1033, L"English"}, Language{1028, L"ChineseT"}, Language{1031, L"German"}}) {
    host.params.head.languageId = language.id;
    bool written = false;
    std::wstring title;
    Open([&](HWND f) {
      dialog_test::WaitShaped(f);
      title = TextOf(f, L"lb_Title");
      written = Screenshot(f, dialog_test::EvidenceFolder() + L"manager_" + language.name + L".png");
      ClickNow(f, L"bt_OK");
    });
    EXPECT_TRUE(written) << language.name;
    EXPECT_EQ(dialog_test::StagedText(language.name, L"CorvilManager", L"lb_Title->Caption"), title);
  }
}

}  // namespace
}  // namespace manager_test
