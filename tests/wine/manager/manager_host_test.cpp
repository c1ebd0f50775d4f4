// The manager opened from the real host's bt_OpenCorvilManager, with the simulated receiver behind
// the real device-access library: after each action the receiver's flash holds the expected ten
// slots (bit 23 for a switched-off device).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "receiver/config_slots.h"
#include "tests/wine/dialogs/harness.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/manager/manager_drive.h"

namespace manager_test {
namespace {

using host_test::HostInstallation;
using host_test::HostRun;
using Slots = std::array<uint32_t, 10>;  // mice 0..4, keyboards 0..4

constexpr uint32_t kFree = 0xFFFFFF;
constexpr uint32_t kOff = 0x800000;

std::array<uint8_t, 256> Page(const Slots& slots) {
  host::ConfigPageWords words;
  words.fill(0xFFFF);
  for (int slot = 0; slot < 5; ++slot) {
    host::PutSlotValue(&words, host::SlotKind::kMouse, slot, slots[slot]);
    host::PutSlotValue(&words, host::SlotKind::kKeyboard, slot, slots[5 + slot]);
  }
  std::array<uint8_t, 256> page{};
  for (size_t k = 0; k < words.size(); ++k) {
    page[2 * k] = static_cast<uint8_t>(words[k] & 0xFF);
    page[2 * k + 1] = static_cast<uint8_t>(words[k] >> 8);
  }
  return page;
}

// The file opened with every sharing mode, so that the simulator can still replace the image while
// the test reads it (its save renames a new file over the image).
std::string ReadShared(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(1 << 17, '\0');
  DWORD read = 0;
  if (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

Slots Flash(const HostInstallation& installation) {
  const std::string image = ReadShared(installation.Folder() + L"DLL\\Receiver.flash");
  Slots slots{};
  if (image.size() != (1u << 17)) return slots;
  const size_t page = static_cast<size_t>(host::kConfigPageAddress) * 2;
  auto word = [&](int k) {
    return static_cast<uint32_t>(static_cast<uint8_t>(image[page + 2 * k]) |
                                 (static_cast<uint8_t>(image[page + 2 * k + 1]) << 8));
  };
  auto slot = [&](host::SlotKind kind, int n) {
    const int k = host::SlotFirstWord(kind, n);
    return ((word(k) << 16) | word(k + 1)) & 0xFFFFFF;
  };
  for (int n = 0; n < 5; ++n) {
    slots[n] = slot(host::SlotKind::kMouse, n);
    slots[5 + n] = slot(host::SlotKind::kKeyboard, n);
  }
  return slots;
}

// The flash reaches `expected` (the host writes it while the manager waits for the answer). Read
// only while the receiver is quiet (its transfer log stopped growing), and not too often.
::testing::AssertionResult FlashBecomes(const HostInstallation& installation, const Slots& expected) {
  const std::wstring log = installation.Folder() + L"DLL\\Transfers.log";
  Slots now{};
  for (int attempt = 0; attempt < 20; ++attempt) {
    size_t size = ReadShared(log).size();
    for (;;) {
      Sleep(250);
      const size_t later = ReadShared(log).size();
      if (later == size) break;
      size = later;
    }
    now = Flash(installation);
    if (now == expected) return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure() << "flash slots:";
  for (uint32_t value : now) failure << " " << std::hex << value;
  return failure;
}

class ManagerThroughHost : public ::testing::Test {
 protected:
  explicit ManagerThroughHost() : installation(Name()) {
    installation.SetScenario("[Receiver]\nGeneration=104\n");
    installation.SetConfigPage(Page(opening));
  }
  static std::wstring Name() {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    return L"manager-" + std::wstring(name.begin(), name.end());
  }
  // Starts the host and opens the manager from its button.
  HWND OpenManager(HostRun& host) {
    if (!host.Started()) return nullptr;
    host.Press(L"bt_OpenCorvilManager");
    return WaitWindow(host.Process().Id(), L"FCorvilManager", 15000);
  }

  // Two mice and a keyboard paired.
  const Slots opening{0x11111, 0x22222, kFree, kFree, kFree, 0x33333, kFree, kFree, kFree, kFree};
  HostInstallation installation;
};

TEST_F(ManagerThroughHost, EachActionReachesTheReceiverAndOkKeepsThem) {
  HostRun host(installation);
  HWND manager = OpenManager(host);
  ASSERT_NE(nullptr, manager);
  const DWORD pid = host.Process().Id();
  dialog_test::WaitShaped(manager);
  EXPECT_EQ(L"022222", TextOf(manager, L"lb_MouseID2"));
  Screenshot(manager, host_test::EvidenceFolder() + L"manager_host_opened.png");

  Slots expected = opening;
  ClickNow(manager, L"ck_MouseEnable2");  // switch the second mouse off
  expected[1] |= kOff;
  EXPECT_TRUE(FlashBecomes(installation, expected));

  ClickLabel(manager, L"lb_MouseName2");  // rename it: names never go to the receiver
  ASSERT_TRUE(Answer(pid, L"FQuerent", L"bt_OK", L"Desk mouse"));
  EXPECT_TRUE(driver::WaitText(driver::FindComponent(manager, L"lb_MouseName2"), L"Desk mouse"));
  EXPECT_TRUE(FlashBecomes(installation, expected));

  ClickLater(manager, L"bt_KeyboardRemove1");  // remove the keyboard, answering Yes
  HWND question = WaitWindow(pid, L"FNotabox");
  ASSERT_NE(nullptr, question);
  Screenshot(question, host_test::EvidenceFolder() + L"manager_host_remove_question.png");
  ASSERT_TRUE(Answer(pid, L"FNotabox", L"bt_Yes"));
  expected[5] = kFree;
  EXPECT_TRUE(FlashBecomes(installation, expected));
  EXPECT_TRUE(driver::WaitText(driver::FindComponent(manager, L"lb_KeyboardID1"), TextOf(manager, L"lb_NoDeviceString")));
  Screenshot(manager, host_test::EvidenceFolder() + L"manager_host_changed.png");

  ClickLater(manager, L"bt_OK");
  EXPECT_TRUE(dialog_test::WaitClosed(manager));
  EXPECT_TRUE(host.WaitIdle());
  EXPECT_TRUE(FlashBecomes(installation, expected)) << "OK keeps the changes";
  PostMessageW(host.Window(), WM_CLOSE, 0, 0);
  host.ExitCode();
}

TEST_F(ManagerThroughHost, CancelAfterThreeChangesRestoresThePageAsOpened) {
  HostRun host(installation);
  HWND manager = OpenManager(host);
  ASSERT_NE(nullptr, manager);
  const DWORD pid = host.Process().Id();

  dialog_test::WaitShaped(manager);
  ASSERT_EQ(L"011111", TextOf(manager, L"lb_MouseID1"));
  ASSERT_EQ(L"033333", TextOf(manager, L"lb_KeyboardID1"));
  ClickLater(manager, L"ck_KeyboardEnable1");  // the last keyboard: asked, answered Yes
  ASSERT_TRUE(Answer(pid, L"FNotabox", L"bt_Yes"));
  Slots expected = opening;
  expected[5] |= kOff;
  EXPECT_TRUE(FlashBecomes(installation, expected));

  ClickLater(manager, L"bt_MouseRemove1");
  ASSERT_TRUE(Answer(pid, L"FNotabox", L"bt_Yes"));
  expected[0] = 0x22222;  // the second mouse moves up
  expected[1] = kFree;
  EXPECT_TRUE(FlashBecomes(installation, expected));

  ClickNow(manager, L"rb_DisplayColorCircle");
  ClickLater(manager, L"bt_Cancel");
  EXPECT_TRUE(dialog_test::WaitClosed(manager));
  EXPECT_TRUE(host.WaitIdle());
  EXPECT_TRUE(FlashBecomes(installation, opening)) << "the page as it was at opening";
  PostMessageW(host.Window(), WM_CLOSE, 0, 0);
  host.ExitCode();
}

TEST_F(ManagerThroughHost, AReceiverPulledOutBeforeAChangeEndsTheHostAndLosesNoPairing) {
  // How many transfers it takes to open the manager; the receiver is then pulled out right after
  // them, so the change's own check finds it gone.
  size_t transfersToOpen = 0;
  {
    HostRun host(installation);
    HWND manager = OpenManager(host);
    ASSERT_NE(nullptr, manager);
    dialog_test::WaitShaped(manager);
    const std::string log = installation.TransferLog();
    transfersToOpen = static_cast<size_t>(std::count(log.begin(), log.end(), '\n'));
    ClickLater(manager, L"bt_Cancel");
    ASSERT_TRUE(dialog_test::WaitClosed(manager));
    ASSERT_TRUE(host.WaitIdle());
    PostMessageW(host.Window(), WM_CLOSE, 0, 0);
    host.ExitCode();
  }
  ASSERT_GT(transfersToOpen, 0u);
  DeleteFileW((installation.Folder() + L"DLL\\Transfers.log").c_str());
  installation.SetScenario("[Receiver]\nGeneration=104\n[Faults]\nUnplugAfter=" + std::to_string(transfersToOpen) + "\n");

  HostRun host(installation);
  HWND manager = OpenManager(host);
  ASSERT_NE(nullptr, manager);
  dialog_test::WaitShaped(manager);
  ClickLater(manager, L"ck_MouseEnable2");
  EXPECT_TRUE(dialog_test::WaitClosed(manager)) << "the refused update closes the manager";
  EXPECT_NE(0xDEAD0000u, host.ExitCode()) << "the host ends";
  EXPECT_TRUE(FlashBecomes(installation, opening)) << "no pairing is lost";
}

}  // namespace
}  // namespace manager_test
