// The real Tandra_Technology.exe on a copy of the staged tree, driven from this process: the
// receiver check behind every button, the plug-in contract seen from a stand-in plug-in, the
// requests the host answers, and where it finds its files.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/driver/hostile_files.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_session.h"

namespace {

using host_test::HostInstallation;
using host_test::HostRun;

const char kScenario104[] = "[Receiver]\nGeneration=104\n";

std::wstring ProbeLibrary() { return host_test::HostFile(PROBE_DLL); }

// The user's language as this test process sees it (the ctest entry sets LC_ALL).
std::wstring LanguageName() {
  switch (GetUserDefaultLangID()) {
    case 0x0404: return L"ChineseT";
    case 0x0411: return L"Japanese";
    case 0x0419: return L"Russian";
    case 0x0C0A: return L"Spanish";
    default: return L"English";
  }
}

void Screenshot(HWND window, const std::wstring& name) {
  driver::WaitVisible(window, true);
  Sleep(300);  // the first paint of the skin
  driver::WritePng(driver::CaptureWindow(window), host_test::EvidenceFolder() + name + L".png");
}

class HostTest : public ::testing::Test {
 protected:
  // An installation whose three plug-ins are the stand-in, each with its settings.
  HostInstallation Install(const std::wstring& name, const std::string& scenario = kScenario104,
                           int receivers = 1) {
    HostInstallation installation(name);
    installation.SetScenario(scenario, receivers);
    for (const wchar_t* plugin : {L"CorvilForm", L"CorvilManager", L"Wavegauge"}) {
      installation.PlacePlugin(ProbeLibrary(), plugin, std::wstring(plugin) + L".dll");
      SetProbe(installation, plugin, "");
    }
    return installation;
  }
  void SetProbe(const HostInstallation& installation, const std::wstring& plugin, const std::string& settings) {
    driver::WriteFileBytes(installation.FormsRoot() + plugin + L"\\probe.ini", "[Probe]\n" + settings);
    DeleteFileW((installation.FormsRoot() + plugin + L"\\probe.log").c_str());
  }
  std::string ProbeLog(const HostInstallation& installation, const std::wstring& plugin) {
    return host_test::ReadText(installation.FormsRoot() + plugin + L"\\probe.log");
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  // Presses each button and expects the same text from each, and no plug-in called.
  void ExpectEveryButtonSays(const HostInstallation& installation, HostRun& host, const std::wstring& text,
                             const std::wstring& screenshot) {
    for (const wchar_t* button : {L"bt_NewCorvilProcess", L"bt_OpenCorvilManager", L"bt_OpenWavegauge"}) {
      host.Press(button);
      EXPECT_EQ(text, host.DialogText()) << button;
      if (!screenshot.empty() && std::wstring(button) == L"bt_NewCorvilProcess") Screenshot(host.Dialog(), screenshot);
      host.DismissDialog();
      ASSERT_TRUE(host.WaitIdle());
    }
    for (const wchar_t* plugin : {L"CorvilForm", L"CorvilManager", L"Wavegauge"}) {
      EXPECT_FALSE(Has(ProbeLog(installation, plugin), "language=")) << "opened " << plugin;
    }
  }
};

TEST_F(HostTest, ASecondCopyEndsAtOnceWithMinusOneAndShowsNothing) {
  HostInstallation installation = Install(L"second-copy");
  HostRun first(installation);
  ASSERT_TRUE(first.Started());
  driver::Process second(installation.Program(), L"", installation.Folder());
  DWORD code = 0;
  ASSERT_TRUE(second.WaitExit(10000, &code));
  EXPECT_EQ(0xFFFFFFFFu, code);
  EXPECT_EQ(nullptr, driver::FindFormOfProcess(second.Id(), host_test::kMainForm, 0));
  first.Press(L"bt_Close");
  EXPECT_EQ(0u, first.ExitCode());
}

TEST_F(HostTest, WithoutAReceiverEveryButtonSaysSoAndOpensNothing) {
  HostInstallation installation = Install(L"no-receiver", kScenario104, 0);
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  ExpectEveryButtonSays(installation, host, installation.Text(L"English", L"CorvilMain", L"NoDongleExists"),
                        L"host-message-no-receiver");
}

TEST_F(HostTest, TwoReceiversAreNamedAsSuch) {
  HostInstallation installation = Install(L"two-receivers", kScenario104, 2);
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  ExpectEveryButtonSays(installation, host, installation.Text(L"English", L"CorvilMain", L"MultipleDongle"),
                        L"host-message-two-receivers");
}

TEST_F(HostTest, AReceiverOfGeneration37IsNotSupportedAnd38Is) {
  {
    HostInstallation installation = Install(L"generation-37", "[Receiver]\nGeneration=37\n");
    HostRun host(installation);
    ASSERT_TRUE(host.Started());
    const std::wstring text = installation.Text(L"English", L"CorvilMain", L"DongleNotSupported");
    EXPECT_FALSE(text.empty());
    ExpectEveryButtonSays(installation, host, text, L"host-message-old-receiver");
  }
  HostInstallation installation = Install(L"generation-38", "[Receiver]\nGeneration=38\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_OpenWavegauge");
  EXPECT_TRUE(driver::WaitUntil([&] { return Has(ProbeLog(installation, L"Wavegauge"), "gauge present=1"); }));
}

TEST_F(HostTest, WithoutTheDeviceAccessLibraryTheWindowOpensAndExplains) {
  HostInstallation installation = Install(L"no-device-library");
  installation.Remove(L"DLL\\DLL_Hidora.dll");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  const std::wstring text = installation.Text(L"English", L"CorvilMain", L"DeviceLibraryMissing");
  EXPECT_FALSE(text.empty());
  ExpectEveryButtonSays(installation, host, text, L"host-message-no-device-library");
}

TEST_F(HostTest, AMissingPlugInIsExplainedAndTheWindowStays) {
  HostInstallation installation = Install(L"missing-plugin");
  installation.Remove(L"Data\\Tandra_Technology\\Forms\\CorvilManager\\CorvilManager.dll");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_OpenCorvilManager");
  EXPECT_EQ(installation.Text(L"English", L"CorvilMain", L"PluginMissing"), host.DialogText());
  Screenshot(host.Dialog(), L"host-message-missing-plugin");
  host.DismissDialog();
  EXPECT_TRUE(host.WaitIdle());
  EXPECT_TRUE(IsWindowVisible(host.Window()));
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

TEST_F(HostTest, StartedFromAnotherFolderItUsesItsOwnTreeAndNeverAPlantedLibrary) {
  HostInstallation installation = Install(L"own-tree");
  // A folder that looks like an installation: every library in it is the stand-in, which would
  // write its log there if it were ever loaded.
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring planted = std::wstring(temp) + L"host-planted\\";
  driver::DeleteTree(planted);
  CreateDirectoryW(planted.c_str(), nullptr);
  const std::wstring forms = planted + L"Data\\Tandra_Technology\\Forms\\";
  for (const std::wstring& folder : {planted + L"DLL", planted + L"Data", planted + L"Data\\Tandra_Technology",
                                     forms, forms + L"CorvilForm", forms + L"Lustrea", forms + L"Ackbox"}) {
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  const std::vector<std::wstring> plantedFiles = {
      planted + L"DLL_Hidora.dll", planted + L"DLL\\DLL_Hidora.dll", planted + L"Lustrea.dll",
      forms + L"CorvilForm\\CorvilForm.dll", forms + L"Lustrea\\Lustrea.dll", forms + L"Ackbox\\Ackbox.dll"};
  for (const std::wstring& file : plantedFiles) CopyFileW(ProbeLibrary().c_str(), file.c_str(), FALSE);

  SetProbe(installation, L"CorvilForm", "Results=1\n");
  HostRun host(installation, planted);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_NewCorvilProcess");
  EXPECT_EQ(0u, host.ExitCode());  // the wizard's result 1 closes the program
  EXPECT_TRUE(Has(ProbeLog(installation, L"CorvilForm"), "wizard result=1"));
  for (const std::wstring& file : plantedFiles) {
    const std::wstring log = file.substr(0, file.find_last_of(L'\\') + 1) + L"probe.log";
    EXPECT_EQ("", host_test::ReadText(log)) << "loaded from the current folder";
  }
}

TEST_F(HostTest, TheCloseButtonEndsTheProgramWithZero) {
  HostInstallation installation = Install(L"close");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

TEST_F(HostTest, PairingRequestsStoreTheMouseBeforeTheAnswer) {
  HostInstallation installation =
      Install(L"pairing", "[Receiver]\nGeneration=104\n[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=2\n");
  SetProbe(installation, L"CorvilForm", "Pair=1\nResults=1\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_NewCorvilProcess");
  EXPECT_EQ(0u, host.ExitCode());
  const std::string log = ProbeLog(installation, L"CorvilForm");
  EXPECT_TRUE(Has(log, "wizard language=")) << log;
  EXPECT_TRUE(Has(log, "window=set")) << log;
  EXPECT_TRUE(Has(log, "previous=1 reserved=0 id=0 type=0 name=0")) << log;
  EXPECT_TRUE(Has(log, "start reply=1")) << log;
  EXPECT_TRUE(Has(log, "poll type=-1 id=00000")) << log;
  EXPECT_TRUE(Has(log, "poll type=1 id=51234")) << log;
  EXPECT_TRUE(Has(log, "stop reply=1")) << log;
  EXPECT_EQ(0x51234u, installation.MouseSlot(0) & 0x7FFFF);
}

TEST_F(HostTest, AFullReceiverNamesTheDeviceTheNewOneReplaced) {
  HostInstallation installation =
      Install(L"replaced", "[Receiver]\nGeneration=104\n[Pairing]\nDevice1=keyboard,0x2BCDE,after=1\n");
  std::array<uint8_t, 256> page;
  page.fill(0xFF);
  for (int k : {116, 64, 72, 80, 88}) {  // the five keyboard slots hold 0x01000 .. 0x01004
    page[2 * k] = 0x00;
    page[2 * k + 1] = 0x00;
    page[2 * k + 2] = static_cast<uint8_t>(k);
    page[2 * k + 3] = 0x10;
  }
  installation.SetConfigPage(page);
  SetProbe(installation, L"CorvilForm", "Pair=1\nResults=1\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_NewCorvilProcess");
  const std::wstring text = host.DialogText();
  EXPECT_NE(std::wstring::npos, text.find(L"001074")) << "the code of keyboard slot 0";
  Screenshot(host.Dialog(), L"host-message-device-replaced");
  host.DismissDialog();
  EXPECT_EQ(0u, host.ExitCode());
  EXPECT_EQ(0x2BCDEu, installation.KeyboardSlot(0) & 0x7FFFF);
}

TEST_F(HostTest, WizardResultsChainIntoTheWizardAndTheManager) {
  HostInstallation installation = Install(L"chaining");
  SetProbe(installation, L"CorvilForm", "Results=1001,1000,1002\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_NewCorvilProcess");
  ASSERT_TRUE(driver::WaitUntil([&] { return Has(ProbeLog(installation, L"CorvilManager"), "manager"); }));
  ASSERT_TRUE(host.WaitIdle());
  const std::string wizard = ProbeLog(installation, L"CorvilForm");
  size_t calls = 0;
  for (size_t at = wizard.find("wizard result="); at != std::string::npos; at = wizard.find("wizard result=", at + 1)) ++calls;
  EXPECT_EQ(3u, calls);
  // After the manager the buttons are usable again and the program goes on.
  EXPECT_TRUE(driver::WaitEnabled(host.Component(L"bt_NewCorvilProcess"), true));
  EXPECT_TRUE(driver::WaitEnabled(host.Component(L"bt_OpenCorvilManager"), true));
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

TEST_F(HostTest, ManagerChangesReachTheReceiverAtOnce) {
  HostInstallation installation = Install(L"manager-insert");
  std::array<uint8_t, 256> page;
  page.fill(0xFF);
  page[114 * 2] = 0x05;  // mouse slot 0: 0x051234 (words 114, 115, low byte first)
  page[114 * 2 + 1] = 0x00;
  page[115 * 2] = 0x34;
  page[115 * 2 + 1] = 0x12;
  installation.SetConfigPage(page);
  SetProbe(installation, L"CorvilManager", "Insert=1\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_OpenCorvilManager");
  ASSERT_TRUE(driver::WaitUntil([&] { return Has(ProbeLog(installation, L"CorvilManager"), "insert reply"); }));
  ASSERT_TRUE(host.WaitIdle());
  const std::string log = ProbeLog(installation, L"CorvilManager");
  EXPECT_TRUE(Has(log, "manager receivers=1 selected=0 mode=1 mouse0=051234 second=set")) << log;
  EXPECT_TRUE(Has(log, "insert reply=0")) << log;
  EXPECT_EQ(0x851234u, installation.MouseSlot(0));
}

TEST_F(HostTest, SignalRequestsAreAnsweredUntilTheReceiverIsPulledOut) {
  HostInstallation installation = Install(
      L"signal", "[Receiver]\nGeneration=104\n[RfInfo]\nSignal=128\nChannel=11\n[Faults]\nUnplugAfter=400\n");
  SetProbe(installation, L"Wavegauge", "RfRequests=1000\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_OpenWavegauge");
  // Pulled out, the receiver makes the host tell the display and then end.
  EXPECT_EQ(0u, host.ExitCode(60000));
  const std::string log = ProbeLog(installation, L"Wavegauge");
  EXPECT_TRUE(Has(log, "gauge present=1")) << log;
  EXPECT_TRUE(Has(log, "rf channel=11 signal=128")) << log;
  EXPECT_TRUE(Has(log, "rf removed")) << log;
}

// The skin library hooks the main window from above; so does the stand-in here. Both must see the
// window's last message, or the skin keeps its bitmaps.
TEST_F(HostTest, AHookAboveTheMainWindowSeesItGo) {
  HostInstallation installation = Install(L"teardown");
  SetProbe(installation, L"Wavegauge", "WatchHost=1\n");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  host.Press(L"bt_OpenWavegauge");
  ASSERT_TRUE(driver::WaitUntil([&] { return Has(ProbeLog(installation, L"Wavegauge"), "watching host"); }));
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
  EXPECT_TRUE(Has(ProbeLog(installation, L"Wavegauge"), "host window destroyed")) << ProbeLog(installation, L"Wavegauge");
}

TEST_F(HostTest, WithoutItsBackgroundTheWindowTakesTheSizeOfItsImage) {
  HostInstallation installation = Install(L"no-background");
  installation.Remove(L"Data\\Tandra_Technology\\Forms\\CorvilMaintain\\English\\CorvilMain_Background.bmp");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  const RECT bounds = driver::WindowRect(host.Window());
  EXPECT_EQ(375, bounds.right - bounds.left);
  EXPECT_EQ(345, bounds.bottom - bounds.top);
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

TEST_F(HostTest, MainWindowInTheUserLanguage) {
  HostInstallation installation = Install(L"language");
  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  const std::wstring language = LanguageName();
  // Only the English folder has a background: every language takes it, and the window its size.
  const RECT bounds = driver::WindowRect(host.Window());
  EXPECT_EQ(375, bounds.right - bounds.left);
  EXPECT_EQ(345, bounds.bottom - bounds.top);
  EXPECT_EQ(installation.Text(language, L"CorvilMain", L"lb_ForLife->Caption"),
            driver::GetText(host.Component(L"lb_ForLife")));
  EXPECT_EQ(driver::GetText(host.Component(L"lb_Title")), driver::GetText(host.Window()));
  EXPECT_EQ(L"Version " SUITE_VERSION, driver::GetText(host.Component(L"lb_Version")));
  Screenshot(host.Window(), L"host-main-" + language);
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
}

// Every file the host reads besides its code, made hostile at once: it still starts, shows its window
// with what it could read, opens a plug-in, and writes nothing to the receiver.
TEST_F(HostTest, AHostileInstallStillStartsAndWritesNothingToTheReceiver) {
  HostInstallation installation = Install(L"hostile");
  const std::wstring forms = installation.FormsRoot();
  ASSERT_TRUE(driver::AddHugeLine(forms + L"Texts\\" + LanguageName() + L".txt", "lb_ForLife->Caption"));
  ASSERT_TRUE(driver::WriteFileBytes(forms + L"CorvilMaintain\\UI_Main.txt", driver::NoiseBytes(4096, 1)));
  ASSERT_TRUE(driver::CutRunLengthData(forms + L"Lustrea\\English\\WindowClose.bmp"));
  ASSERT_TRUE(driver::CutRunLengthData(forms + L"CorvilMaintain\\English\\CorvilMain_Background.bmp"));
  // A profile of its own, holding a names file and a page journal of noise.
  const driver::PrivateProfile profile(installation.Folder(), L"Tandra");
  ASSERT_TRUE(driver::WriteFileBytes(profile.UserFolder() + L"DeviceNames.ini", driver::NoiseBytes(3000, 2)));
  ASSERT_TRUE(driver::WriteFileBytes(profile.UserFolder() + L"PageJournal.dat", driver::NoiseBytes(528, 3)));
  std::array<uint8_t, 256> page;
  page.fill(0xFF);
  const uint8_t mouse[] = {0x05, 0x00, 0x34, 0x12};
  std::copy(std::begin(mouse), std::end(mouse), page.begin() + 228);
  installation.SetConfigPage(page);

  HostRun host(installation);
  ASSERT_TRUE(host.Started());
  EXPECT_FALSE(driver::GetText(host.Window()).empty());
  Screenshot(host.Window(), L"host-hostile-install");
  host.Press(L"bt_OpenCorvilManager");
  EXPECT_TRUE(driver::WaitUntil([&] { return Has(ProbeLog(installation, L"CorvilManager"), "language="); }))
      << "the manager did not open";
  ASSERT_TRUE(host.WaitIdle());
  host.Press(L"bt_Close");
  EXPECT_EQ(0u, host.ExitCode());
  EXPECT_EQ(page, installation.ConfigPage());
}

}  // namespace
