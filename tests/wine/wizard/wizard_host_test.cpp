// The wizard inside the real host: Tandra_Technology.exe on a private installation with the
// simulated receiver behind DLL_Hidora.dll, driven from this process by component name. The
// receiver's flash image tells where the paired devices were stored.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/plugin_contract.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/wizard/host_wizard_steps.h"

namespace wizard_test {
namespace {

using host_test::HostInstallation;
using host_test::HostRun;

constexpr uint32_t kIdMask = 0x7FFFF;

std::wstring CurrentTestName() {
  const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
  return L"wizard-" + std::wstring(name.begin(), name.end());
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Pairing-mode commands in the simulator's transfer log.
constexpr char kStartLine[] = "BF02 0001 0001 ok";
constexpr char kStopLine[] = "BF02 0000 0001 ok";

class WizardInHost : public testing::Test {
 protected:
  WizardInHost() : installation_(CurrentTestName()) {}

  // Starts the host and opens the wizard; step 1's window.
  HWND OpenWizard() {
    host_ = std::make_unique<HostRun>(installation_);
    if (!host_->Started()) return nullptr;
    host_->Press(L"bt_NewCorvilProcess");
    return Step(1);
  }
  HWND Step(int step, DWORD timeoutMs = 15000) { return HostStep(host_->Process().Id(), step, timeoutMs); }
  std::wstring Text(HWND step, const wchar_t* name) { return driver::GetText(driver::FindComponent(step, name)); }
  void Press(HWND step, const wchar_t* name) {
    HWND button = driver::FindComponent(step, name);
    ASSERT_NE(nullptr, button) << std::string(name, name + wcslen(name));
    driver::WaitEnabled(button, true);
    driver::Click(button, driver::Delivery::kPost);
  }
  std::wstring English(const wchar_t* section, const std::wstring& key) {
    return installation_.Text(L"English", section, key + L"->Caption");
  }

  HostInstallation installation_;
  std::unique_ptr<HostRun> host_;
};

TEST_F(WizardInHost, PairsTwoMiceAndAKeyboardIntoTheirOwnSlots) {
  installation_.SetScenario(
      "[Receiver]\nGeneration=104\n"
      "[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\nDevice2=mouse,0x2BCDE,attr=0x80,after=2,session=2\n"
      "Device3=keyboard,0x12345,after=2,session=3\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);

  // Mouse with a slide switch: preselected, since the host starts with a mouse.
  EXPECT_TRUE(driver::IsChecked(driver::FindComponent(step, L"rb_MousePair")));
  EXPECT_TRUE(driver::IsChecked(driver::FindComponent(step, L"rb_MousePair_Type1")));
  Press(step, L"bt_NextStep");
  step = Step(2);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(English(L"CorvilStep2", L"lb_FirstNotesHint_Mouse1"), Text(step, L"lb_FirstNotesHint_Mouse1"));
  step = Step(3);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(English(L"CorvilStep3", L"lb_ConfirmDeviceTitle_Mouse"), Text(step, L"lb_ConfirmDeviceTitle_Mouse"));
  Press(step, L"bt_NextStep");
  step = Step(4);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(L"051234", Text(step, L"ed_DeviceID"));
  driver::SetText(driver::FindComponent(step, L"ed_DeviceName"), L"Anna");
  Press(step, L"bt_PairNextMouse");  // 1001: the host runs the wizard again

  // Mouse with a push-button switch.
  step = Step(1);
  ASSERT_NE(nullptr, step);
  EXPECT_TRUE(driver::IsChecked(driver::FindComponent(step, L"rb_MousePair")));
  Press(step, L"rb_MousePair_Type2");
  EXPECT_FALSE(driver::IsChecked(driver::FindComponent(step, L"rb_MousePair_Type1")));
  Press(step, L"bt_NextStep");
  step = Step(2);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(English(L"CorvilStep2", L"lb_SecondNotes_Mouse2"), Text(step, L"lb_SecondNotes_Mouse2"));
  step = Step(3);
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_NextStep");
  step = Step(4);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(L"02BCDE", Text(step, L"ed_DeviceID"));
  Press(step, L"bt_PairNextMouse");

  // A keyboard.
  step = Step(1);
  ASSERT_NE(nullptr, step);
  Press(step, L"rb_KeyboardPair");
  Press(step, L"bt_NextStep");
  step = Step(2);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(English(L"CorvilStep2", L"lb_FirstNotes_Keyboard"), Text(step, L"lb_FirstNotes_Keyboard"));
  step = Step(3);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(English(L"CorvilStep3", L"lb_TitleNotes_Keyboard"), Text(step, L"lb_TitleNotes_Keyboard"));
  Press(step, L"bt_NextStep");
  step = Step(4);
  ASSERT_NE(nullptr, step);
  EXPECT_EQ(L"012345", Text(step, L"ed_DeviceID"));
  EXPECT_FALSE(IsWindowVisible(driver::FindComponent(step, L"bt_PairNextMouse")));
  Press(step, L"bt_Exit");  // 1: the host closes

  EXPECT_EQ(0u, host_->ExitCode());
  EXPECT_EQ(0x51234u, installation_.MouseSlot(0) & kIdMask);
  EXPECT_EQ(0x2BCDEu, installation_.MouseSlot(1) & kIdMask) << "the second mouse takes another slot";
  EXPECT_EQ(0x12345u, installation_.KeyboardSlot(0) & kIdMask);
  const std::string log = installation_.TransferLog();
  EXPECT_EQ(3, Count(log, kStartLine));
  EXPECT_EQ(3, Count(log, kStopLine));
}

TEST_F(WizardInHost, BackAndNoReturnToStepOneAndEveryRoundStartsPairingAgain) {
  installation_.SetScenario(
      "[Receiver]\nGeneration=104\n"
      "[Pairing]\nDevice1=keyboard,0x11111,after=2\nDevice2=keyboard,0x22222,after=2,session=2\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);
  Press(step, L"rb_KeyboardPair");
  Press(step, L"bt_NextStep");
  step = Step(3);
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_Back");
  step = Step(1);
  ASSERT_NE(nullptr, step);
  EXPECT_TRUE(driver::IsChecked(driver::FindComponent(step, L"rb_KeyboardPair"))) << "the choice is kept";
  Press(step, L"bt_NextStep");
  step = Step(3);
  ASSERT_NE(nullptr, step);
  Press(step, L"rb_UnWork");
  Press(step, L"bt_NextStep");
  step = Step(1);
  ASSERT_NE(nullptr, step);
  EXPECT_TRUE(driver::IsChecked(driver::FindComponent(step, L"rb_KeyboardPair")));
  Press(step, L"bt_Close");  // 3: the host closes
  EXPECT_EQ(0u, host_->ExitCode());
  const std::string log = installation_.TransferLog();
  EXPECT_EQ(2, Count(log, kStartLine));
  EXPECT_EQ(2, Count(log, kStopLine));
  // The host stores what reported, whatever the user answers in step 3.
  EXPECT_EQ(0x11111u, installation_.KeyboardSlot(0) & kIdMask);
  EXPECT_EQ(0x22222u, installation_.KeyboardSlot(1) & kIdMask);
}

TEST_F(WizardInHost, ARefusedPollReturnsToStepOneWithoutStoppingPairing) {
  installation_.SetScenario("[Receiver]\nGeneration=104\n[Faults]\nRefuse=0xB600\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_NextStep");
  ASSERT_NE(nullptr, Step(2));
  step = Step(1, 5000);
  ASSERT_NE(nullptr, step) << "back to step 1 at the first poll";
  const std::string log = installation_.TransferLog();
  EXPECT_EQ(1, Count(log, kStartLine));
  EXPECT_EQ(0, Count(log, kStopLine));
  EXPECT_EQ(1, Count(log, "B600 0006 0008 fail"));
  Press(step, L"bt_Close");
  EXPECT_EQ(0u, host_->ExitCode());
}

TEST_F(WizardInHost, SixtySecondsWithoutADeviceStopPairingAndReturnToStepOne) {
  installation_.SetScenario("[Receiver]\nGeneration=104\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_NextStep");
  HWND step2 = Step(2);
  ASSERT_NE(nullptr, step2);
  const DWORD shown = GetTickCount();
  EXPECT_TRUE(driver::WaitText(driver::FindComponent(step2, L"lb_Message"), L"30", 35000));
  step = Step(1, 40000);
  const DWORD waited = GetTickCount() - shown;
  ASSERT_NE(nullptr, step);
  EXPECT_GE(waited, 58000u);
  EXPECT_LE(waited, 70000u);
  const std::string log = installation_.TransferLog();
  EXPECT_EQ(1, Count(log, kStopLine));
  EXPECT_GE(Count(log, "B600 0006 0008 ok"), 110) << "two polls a second";
  Press(step, L"bt_Close");
  EXPECT_EQ(0u, host_->ExitCode());
}

TEST_F(WizardInHost, ASecondCallWhileTheWizardIsOpenReturnsThree) {
  installation_.SetScenario("[Receiver]\nGeneration=104\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);
  const std::wstring dll = installation_.FormsRoot() + L"CorvilForm\\CorvilForm.dll";
  HMODULE library = LoadLibraryW(dll.c_str());
  ASSERT_NE(nullptr, library);
  auto entry = reinterpret_cast<contract::ReturnCorvilFormProc>(
      reinterpret_cast<void*>(GetProcAddress(library, contract::kReturnCorvilForm)));
  ASSERT_NE(nullptr, entry);
  contract::WizardParams record{};
  record.deviceType = 77;
  EXPECT_EQ(3, entry(&record));
  EXPECT_EQ(77, record.deviceType) << "the record stays untouched";
  FreeLibrary(library);
  Press(step, L"bt_Close");
  EXPECT_EQ(0u, host_->ExitCode());
}

TEST_F(WizardInHost, OpenManagerFromStepFourHandsOverToTheManager) {
  installation_.SetScenario("[Receiver]\nGeneration=104\n[Pairing]\nDevice1=mouse,0x33333,attr=0x80,after=2\n");
  HWND step = OpenWizard();
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_NextStep");
  step = Step(3);
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_NextStep");
  step = Step(4);
  ASSERT_NE(nullptr, step);
  Press(step, L"bt_OpenCorvilManager");  // 1002
  ASSERT_TRUE(HostStepGone(host_->Process().Id(), 4));
  // The manager, or while it is not installed the host's missing-plug-in text; either way the host
  // stays open.
  HWND manager = driver::FindTopWindowOfProcess(host_->Process().Id(), L"FCorvilManager", 5000);
  if (manager != nullptr) {
    driver::Close(manager);
  } else {
    EXPECT_EQ(installation_.Text(L"English", L"CorvilMain", L"PluginMissing"), host_->DialogText());
    host_->DismissDialog();
  }
  EXPECT_TRUE(host_->WaitIdle());
  EXPECT_TRUE(IsWindow(host_->Window()));
  host_->Press(L"bt_Close");
  host_->ExitCode();
}

}  // namespace
}  // namespace wizard_test
