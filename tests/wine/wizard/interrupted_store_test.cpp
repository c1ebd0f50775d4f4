// A pairing store cut off in the real host, through the real wizard, on the simulated receiver whose
// generation word lives in the configuration page itself: pulled out mid-write, or the host ended
// mid-write. The next receiver check completes the store and tells the user.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/wizard/host_wizard_steps.h"

namespace wizard_test {
namespace {

using host_test::HostInstallation;
using host_test::HostRun;

constexpr uint32_t kIdMask = 0x7FFFF;

// Two mice and two keyboards; generation 38 kept in word 1 of the page.
std::array<uint8_t, 256> EarlierPage() {
  std::array<uint8_t, 256> page;
  page.fill(0xFF);
  auto word = [&page](int k, uint16_t value) {
    page[2 * k] = static_cast<uint8_t>(value & 0xFF);
    page[2 * k + 1] = static_cast<uint8_t>(value >> 8);
  };
  word(1, 0xA438);
  word(114, 0x0001), word(115, 0x1111);  // mouse slot 0
  word(32, 0x0002), word(33, 0x2222);    // mouse slot 1
  word(116, 0x0003), word(117, 0x3333);  // keyboard slot 0
  word(64, 0x0004), word(65, 0x4444);    // keyboard slot 1
  return page;
}

std::wstring JournalFile() {
  wchar_t folder[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
  return std::wstring(folder) + L"\\Tandra\\PageJournal.dat";
}

class InterruptedStore : public testing::Test {
 protected:
  InterruptedStore() : installation_(L"wizard-interrupted-" + Name()) { DeleteFileW(JournalFile().c_str()); }
  ~InterruptedStore() override { DeleteFileW(JournalFile().c_str()); }

  static std::wstring Name() {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::wstring(name.begin(), name.end());
  }
  // Pairs a mouse through the wizard up to the store: step 1, Next, step 2 polling.
  void StartPairingAMouse() {
    host_ = std::make_unique<HostRun>(installation_);
    ASSERT_TRUE(host_->Started());
    host_->Press(L"bt_NewCorvilProcess");
    HWND step = HostStep(host_->Process().Id(), 1);
    ASSERT_NE(nullptr, step);
    HWND next = driver::FindComponent(step, L"bt_NextStep");
    driver::WaitEnabled(next, true);
    driver::Click(next, driver::Delivery::kPost);
    ASSERT_NE(nullptr, HostStep(host_->Process().Id(), 2));
  }
  std::wstring English(const wchar_t* key) { return installation_.Text(L"English", L"CorvilMain", key); }
  // What the receiver holds again, as the host lists it after the message.
  std::wstring RecoveredText() {
    auto line = [this](const wchar_t* key, const std::wstring& codes) {
      std::wstring text = English(key);
      return text.replace(text.find(L"%s"), 2, codes);
    };
    return English(L"PageRecovered") + L"\n" + line(L"RecoveredMouse", L"011111, 022222, 051234") +
           L"\n" + line(L"RecoveredKeyboard", L"033333, 044444");
  }
  void ExpectEveryPairingAndTheNewMouse() {
    EXPECT_EQ(0x011111u, installation_.MouseSlot(0));
    EXPECT_EQ(0x022222u, installation_.MouseSlot(1));
    EXPECT_EQ(0x51234u, installation_.MouseSlot(2) & kIdMask);
    EXPECT_EQ(0x033333u, installation_.KeyboardSlot(0));
    EXPECT_EQ(0x044444u, installation_.KeyboardSlot(1));
    const auto page = installation_.ConfigPage();
    EXPECT_EQ(0xA438, page[2] | (page[3] << 8)) << "the generation word is back";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(JournalFile().c_str())) << "record closed";
  }
  void Screenshot(const std::wstring& name) {
    Sleep(300);
    driver::WritePng(driver::CaptureWindow(host_->Dialog()), host_test::EvidenceFolder() + name + L".png");
  }

  HostInstallation installation_;
  std::unique_ptr<HostRun> host_;
};

// Pulled out 40 transfers after the erase: the page is blank and the wizard's store fails. The user
// closes the wizard (and with it the host), starts the host again with the receiver still out, plugs
// it in and presses a button: the store is completed, the user is told, the signal display opens.
TEST_F(InterruptedStore, ReceiverPulledOutMidStoreIsRestoredByTheNextButton) {
  const std::string devices = "[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=2\n";
  installation_.SetScenario("[Receiver]\nGeneration=38\n" + devices +
                            "[Faults]\nUnplugAfterErase=40\n");
  installation_.SetConfigPage(EarlierPage(), false);
  StartPairingAMouse();
  HWND step = HostStep(host_->Process().Id(), 1);  // the refused poll sends the wizard back
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(0xFFFFFFu, installation_.MouseSlot(0)) << "the page was erased";
  driver::Click(driver::FindComponent(step, L"bt_Close"), driver::Delivery::kPost);
  EXPECT_EQ(English(L"DeviceNotStored"), host_->DialogText());
  host_->DismissDialog();
  EXPECT_EQ(0u, host_->ExitCode());
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(JournalFile().c_str()));

  installation_.SetScenario("[Receiver]\nGeneration=38\n" + devices +
                            "[Faults]\nUnplugFile=Unplugged\nPlugInFile=PluggedIn\n");
  installation_.Touch(L"DLL\\Unplugged");
  host_ = std::make_unique<HostRun>(installation_);
  ASSERT_TRUE(host_->Started());
  EXPECT_TRUE(host_->WaitIdle());
  installation_.Touch(L"DLL\\PluggedIn");
  host_->Press(L"bt_OpenWavegauge");
  EXPECT_EQ(RecoveredText(), host_->DialogText());
  Screenshot(L"journal-recovered-after-unplug");
  host_->DismissDialog();
  HWND gauge = driver::FindTopWindowOfProcess(host_->Process().Id(), L"FWavegauge", 10000);
  EXPECT_NE(nullptr, gauge) << "the receiver passes the check once its page is back";
  if (gauge != nullptr) driver::Click(driver::FindComponent(gauge, L"bt_Close"), driver::Delivery::kPost);
  ExpectEveryPairingAndTheNewMouse();
}

// The host ended (TerminateProcess) 150 transfers after the erase; started again, it completes the
// store as soon as its window shows.
TEST_F(InterruptedStore, HostEndedMidStoreIsRestoredAtTheNextStart) {
  const std::string devices = "[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=2\n";
  installation_.SetScenario("[Receiver]\nGeneration=38\n" + devices + "[Faults]\nHangAfterErase=150\n");
  const std::array<uint8_t, 256> earlier = EarlierPage();
  installation_.SetConfigPage(earlier, false);
  StartPairingAMouse();
  // Block 0 programmed again, the rest still erased: the host hangs inside the second block.
  ASSERT_TRUE(driver::WaitUntil([&] {
    const auto page = installation_.ConfigPage();
    for (int i = 64; i < 256; ++i) {
      if (page[i] != 0xFF) return false;
    }
    return std::equal(earlier.begin(), earlier.begin() + 64, page.begin());
  }, 20000));
  host_.reset();  // TerminateProcess: no clean-up of any kind
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(JournalFile().c_str()));

  installation_.SetScenario("[Receiver]\nGeneration=38\n" + devices);
  host_ = std::make_unique<HostRun>(installation_);
  ASSERT_TRUE(host_->Started());
  EXPECT_EQ(RecoveredText(), host_->DialogText());
  Screenshot(L"journal-recovered-after-stop");
  host_->DismissDialog();
  EXPECT_TRUE(host_->WaitIdle());
  ExpectEveryPairingAndTheNewMouse();
  host_->Press(L"bt_Close");
  EXPECT_EQ(0u, host_->ExitCode());
}

}  // namespace
}  // namespace wizard_test
