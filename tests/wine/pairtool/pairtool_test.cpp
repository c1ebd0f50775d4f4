// The real Vantrel_PairingTool.exe on a simulated receiver, driven from this process like a user
// would: press Pair, watch the codes and texts, check what the receiver stored.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <string>

#include "framework/core/text_codec.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/driver/hostile_files.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/pairtool/installation.h"

namespace {

using pairtool_test::Installation;

constexpr DWORD kRunTimeoutMs = 20000;  // a pairing run counts 15 s down

const char kTwoDeviceScenario[] =
    "[Receiver]\n"
    "[Pairing]\n"
    "Device1=mouse,0x51234,attr=0x80,after=3\n"
    "Device2=keyboard,0x2BCDE,after=3,session=2\n"
    "[RfInfo]\n"
    "Extra=0x11\n";

std::wstring Language() {
  wchar_t value[64] = L"";
  return GetEnvironmentVariableW(L"PAIRTOOL_LANGUAGE", value, 64) ? value : L"English";
}

// The running program and its window.
class PairTool {
 public:
  explicit PairTool(const Installation& installation)
      : process_(installation.Program(), L"") {
    window_ = driver::FindTopWindowOfProcess(process_.Id(), L"PairForm");
  }
  HWND Window() const { return window_; }
  HWND Component(const wchar_t* name) const { return driver::FindComponent(window_, name); }
  std::wstring Text(const wchar_t* name) const { return driver::GetText(Component(name)); }
  void Press(const wchar_t* name) { driver::Click(Component(name), driver::Delivery::kPost); }
  bool WaitText(const wchar_t* name, const std::wstring& text, DWORD timeoutMs = kRunTimeoutMs) {
    return driver::WaitText(Component(name), text, timeoutMs);
  }
  void Screenshot(const std::wstring& moment) {
    Sleep(300);  // let the last paint land
    driver::WritePng(driver::CaptureWindow(window_),
                     pairtool_test::EvidenceFolder() + L"pairtool-" + Language() + L"-" + moment + L".png");
  }
  driver::Process& Process() { return process_; }

 private:
  driver::Process process_;
  HWND window_ = nullptr;
};

bool WaitForPage(const Installation& installation, int offset, std::initializer_list<uint8_t> bytes) {
  return driver::WaitUntil([&] {
    const auto page = installation.ConfigPage();
    int i = offset;
    for (uint8_t b : bytes) {
      if (page[i++] != b) return false;
    }
    return true;
  });
}

TEST(PairingTool, PairsTheMouseAndThenTheKeyboardAndStoresBoth) {
  Installation installation(L"pair-" + Language());
  installation.SetScenario(kTwoDeviceScenario);
  PairTool tool(installation);
  ASSERT_NE(nullptr, tool.Window());
  EXPECT_EQ(installation.LanguageText(Language(), L"PAIR_Title"), tool.Text(L"lb_Title"));
  EXPECT_EQ(L"TButton", driver::ComponentClass(tool.Component(L"bt_Pair")));
  EXPECT_EQ(22018, driver::ComponentTag(tool.Component(L"bt_Pair")));
  tool.Screenshot(L"1-start");

  tool.Press(L"bt_Pair");
  ASSERT_TRUE(driver::WaitUntil([&] { return tool.Text(L"lb_Message").find(L"15") == 0; }));
  tool.Screenshot(L"2-countdown");
  ASSERT_TRUE(tool.WaitText(L"le_MouseID", L"051234"));
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.LanguageText(Language(), L"PAIR_MouseOK"), 2000));
  // Identifier bits 16-23, 0, bits 0-7, bits 8-15; then 0, attribute AND 0x7F, RF byte, -, 0xA4.
  EXPECT_TRUE(WaitForPage(installation, 228, {0x05, 0x00, 0x34, 0x12}));
  EXPECT_TRUE(WaitForPage(installation, 236, {0x00, 0x00, 0x11}));
  EXPECT_EQ(0xA4, installation.ConfigPage()[240]);
  tool.Screenshot(L"3-mouse-paired");

  tool.Press(L"bt_Pair");
  ASSERT_TRUE(tool.WaitText(L"le_KeybdID", L"02BCDE"));
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.LanguageText(Language(), L"PAIR_KeybdOK"), 2000));
  EXPECT_TRUE(WaitForPage(installation, 232, {0x02, 0x00, 0xDE, 0xBC}));
  EXPECT_TRUE(WaitForPage(installation, 228, {0x05, 0x00, 0x34, 0x12}));  // the mouse stays
  tool.Screenshot(L"4-keyboard-paired");

  tool.Press(L"bt_Close");
  DWORD exitCode = 99;
  ASSERT_TRUE(tool.Process().WaitExit(10000, &exitCode));
  EXPECT_EQ(0u, exitCode);
}

TEST(PairingTool, WithoutAReceiverSaysSo) {
  Installation installation(L"none");
  installation.SetScenario(kTwoDeviceScenario, "controller 0\ndevice 0/1 1234:5678\n");
  PairTool tool(installation);
  ASSERT_NE(nullptr, tool.Window());
  tool.Press(L"bt_Pair");
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.EnglishText(L"PAIR_NoReceiverFound"), 5000))
      << "shown: " << std::string(tool.Text(L"lb_Message").begin(), tool.Text(L"lb_Message").end());
}

TEST(PairingTool, ReceiverPulledOutDuringTheRunShowsFailAndKeepsEarlierPairings) {
  Installation installation(L"unplug");
  // Pairing parameter and start, then one countdown tick (two record reads): gone at the second.
  installation.SetScenario(
      "[Receiver]\n[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=5\n[Faults]\nUnplugAfter=4\n");
  std::array<uint8_t, 256> earlier;
  earlier.fill(0xFF);
  const uint8_t mouse[] = {0x03, 0x00, 0x33, 0x33, 0x02, 0x00, 0xDE, 0xBC};  // mouse and keyboard
  std::copy(std::begin(mouse), std::end(mouse), earlier.begin() + 228);
  installation.SetConfigPage(earlier);

  PairTool tool(installation);
  ASSERT_NE(nullptr, tool.Window());
  tool.Press(L"bt_Pair");
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.EnglishText(L"PAIR_Fail"), 5000));
  EXPECT_EQ(L"", tool.Text(L"le_MouseID"));
  EXPECT_EQ(earlier, installation.ConfigPage());
}

// Pulled out 40 transfers after the erase of the mouse store, then plugged in again: the next press
// of Pair completes the store, says so and shows the codes the receiver holds again; that press
// starts no run.
TEST(PairingTool, ReceiverPulledOutMidStoreIsRestoredByTheNextPress) {
  wchar_t appData[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
  const std::wstring journal = std::wstring(appData) + L"\\Vantrel\\PageJournal.dat";
  DeleteFileW(journal.c_str());
  Installation installation(L"interrupted-store");
  installation.SetScenario(
      "[Receiver]\n[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\n[RfInfo]\nExtra=0x11\n"
      "[Faults]\nUnplugAfterErase=40\nPlugInFile=PluggedIn\n");
  std::array<uint8_t, 256> earlier;
  earlier.fill(0xFF);
  const uint8_t keyboard[] = {0x02, 0x00, 0xDE, 0xBC};
  std::copy(std::begin(keyboard), std::end(keyboard), earlier.begin() + 232);
  installation.SetConfigPage(earlier);

  PairTool tool(installation);
  ASSERT_NE(nullptr, tool.Window());
  tool.Press(L"bt_Pair");
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.EnglishText(L"PAIR_Fail")));
  EXPECT_EQ(0xFF, installation.ConfigPage()[232]) << "the page was erased";
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(journal.c_str()));

  driver::WriteFileBytes(installation.Folder() + L"data\\PluggedIn", std::string());
  tool.Press(L"bt_Pair");
  EXPECT_TRUE(tool.WaitText(L"lb_Message", installation.EnglishText(L"PAIR_Recovered"), 10000));
  EXPECT_EQ(L"051234", tool.Text(L"le_MouseID"));
  EXPECT_EQ(L"02BCDE", tool.Text(L"le_KeybdID"));
  tool.Screenshot(L"recovered-after-unplug");
  const auto page = installation.ConfigPage();
  const uint8_t stored[] = {0x05, 0x00, 0x34, 0x12, 0x02, 0x00, 0xDE, 0xBC, 0x00, 0x00, 0x11};
  EXPECT_TRUE(std::equal(std::begin(stored), std::end(stored), page.begin() + 228));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(journal.c_str()));
  DeleteFileW(journal.c_str());
}

// The language file, the close button's bitmap and the page journal made hostile: the tool still shows
// its window, a press of Pair with nothing to pair counts down as usual, and the receiver's page is as
// it was.
TEST(PairingTool, AHostileInstallStillStartsAndWritesNothingToTheReceiver) {
  Installation installation(L"hostile");
  installation.SetScenario("[Receiver]\n");
  std::array<uint8_t, 256> page;
  page.fill(0xFF);
  const uint8_t keyboard[] = {0x02, 0x00, 0xDE, 0xBC};
  std::copy(std::begin(keyboard), std::end(keyboard), page.begin() + 232);
  installation.SetConfigPage(page);
  ASSERT_TRUE(driver::AddHugeLine(installation.Folder() + L"data\\" + Language() + L".txt", "PAIR_Title"));
  ASSERT_TRUE(driver::CutRunLengthData(installation.Folder() + L"data\\MouseA_WindowClose.bmp"));
  const driver::PrivateProfile profile(installation.Folder(), L"Vantrel");
  ASSERT_TRUE(driver::WriteFileBytes(profile.UserFolder() + L"PageJournal.dat", driver::NoiseBytes(528, 3)));
  PairTool tool(installation);
  ASSERT_NE(nullptr, tool.Window());
  tool.Screenshot(L"hostile-install");
  tool.Press(L"bt_Pair");
  EXPECT_TRUE(driver::WaitUntil([&] { return !tool.Text(L"lb_Message").empty(); }, 5000)) << "no countdown";
  EXPECT_TRUE(tool.WaitText(L"lb_Message", L"")) << framework::EncodeUtf8(tool.Text(L"lb_Message"));
  EXPECT_EQ(page, installation.ConfigPage());
}

}  // namespace
