// A scripted tour of the pairing wizard inside the host, on the simulated receiver: the host's
// new-pairing button, steps 1 to 4 with the simulator's mouse, a named device, a screenshot of every
// step, and what the receiver's configuration page holds afterwards.
//
// Usage: wizard_tour <screenshot folder (Windows path)> [<the folder as the caller names it>] [exit|manager|again]
//   With a host already running (its main window shown), the tour drives that host; otherwise it
//   starts one on a private installation with a demo receiver whose mouse answers the third status
//   read. The last argument chooses the button that ends step 4: bt_Exit (default; the host then
//   closes), bt_OpenCorvilManager or bt_PairNextMouse.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_session.h"
#include "tests/wine/wizard/host_wizard_steps.h"

namespace {

const char kDemoScenario[] =
    "[Receiver]\nGeneration=104\n"
    "[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\nDevice2=keyboard,0x2BCDE,after=5\n"
    "[RfInfo]\nSignal=96,104,99,110,101\nChannel=5\nExtra=0x11\n";
constexpr wchar_t kDeviceName[] = L"Tour mouse";
constexpr DWORD kPairingTimeoutMs = 70000;  // the wizard itself gives up after 60 seconds

class Tour {
 public:
  Tour(std::wstring folder, std::string shown) : folder_(std::move(folder)), shown_(std::move(shown)) {}
  void Say(const std::string& line) {
    std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
  }
  void Shot(HWND window, const std::string& name) {
    Sleep(400);  // the skin paints after the controls
    driver::WritePng(driver::CaptureWindow(window), folder_ + std::wstring(name.begin(), name.end()));
    Say("    screenshot: " + shown_ + name);
  }

 private:
  std::wstring folder_;
  std::string shown_;
};

std::wstring TextOf(HWND step, const wchar_t* name) { return driver::GetText(driver::FindComponent(step, name)); }

void Press(HWND step, const wchar_t* name) {
  HWND button = driver::FindComponent(step, name);
  driver::WaitEnabled(button, true);
  driver::Click(button, driver::Delivery::kPost);
}

std::string SlotText(uint32_t value) {
  if ((value & 0xFFFFFF) == 0xFFFFFF) return "free";
  char text[32];
  std::snprintf(text, sizeof(text), "%06X%s", value & 0x7FFFF, (value & 0x800000) ? " (disabled)" : "");
  return text;
}

BOOL CALLBACK MatchHost(HWND window, LPARAM context) {
  if (IsWindowVisible(window) && driver::ComponentName(window) == host_test::kMainForm) {
    *reinterpret_cast<HWND*>(context) = window;
    return FALSE;
  }
  return TRUE;
}

// The running host's main window, if there is one.
HWND RunningHost() {
  HWND found = nullptr;
  EnumWindows(&MatchHost, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Steps 1 to 4 in the host of `processId`, started from its main window. False when a step did not
// come.
bool RunSteps(Tour& tour, HWND main, DWORD processId, const wchar_t* finishButton) {
  tour.Say("The new-pairing button opens the wizard:");
  driver::WaitEnabled(main, true);
  driver::Click(driver::FindComponent(main, L"bt_NewCorvilProcess"), driver::Delivery::kPost);
  HWND step = wizard_test::HostStep(processId, 1);
  if (step == nullptr) {
    tour.Say("step 1 did not appear (is a receiver plugged in?)");
    return false;
  }
  Press(step, L"rb_MousePair");
  if (!driver::IsChecked(driver::FindComponent(step, L"rb_MousePair_Type1"))) Press(step, L"rb_MousePair_Type1");
  tour.Say("Step 1: a mouse with a slide switch is chosen.");
  tour.Shot(step, "wizard-01-step1-choose-mouse.png");
  Press(step, L"bt_NextStep");

  step = wizard_test::HostStep(processId, 2);
  if (step == nullptr) return false;
  driver::WaitUntil([&] { return !TextOf(step, L"lb_Message").empty(); }, 3000);
  tour.Say("Step 2: \"" + driver::Utf8(TextOf(step, L"lb_ActivateDeviceTitle_Mouse1")) + "\"; the receiver listens, " +
           driver::Utf8(TextOf(step, L"lb_Message")) + " seconds left.");
  tour.Shot(step, "wizard-02-step2-switch-on.png");

  step = wizard_test::HostStep(processId, 3, kPairingTimeoutMs);
  if (step == nullptr) {
    tour.Say("no mouse reported within 60 seconds");
    return false;
  }
  tour.Say("Step 3: \"" + driver::Utf8(TextOf(step, L"lb_ConfirmDeviceTitle_Mouse")) + "\" Yes is chosen.");
  tour.Shot(step, "wizard-03-step3-confirm.png");
  Press(step, L"bt_NextStep");

  step = wizard_test::HostStep(processId, 4);
  if (step == nullptr) return false;
  driver::SetText(driver::FindComponent(step, L"ed_DeviceName"), kDeviceName);
  tour.Say("Step 4: the mouse's code is " + driver::Utf8(TextOf(step, L"ed_DeviceID")) + ", named \"" +
           driver::Utf8(TextOf(step, L"ed_DeviceName")) + "\".");
  tour.Shot(step, "wizard-04-step4-name.png");
  if (std::wstring(finishButton) == L"bt_Exit") {
    Press(step, L"bt_Success");
    driver::WaitEnabled(driver::FindComponent(step, L"bt_Success"), false, 3000);
    tour.Say("Done fixes the name.");
    tour.Shot(step, "wizard-05-step4-done.png");
  }
  tour.Say("The wizard ends with " + driver::Utf8(finishButton) + ".");
  Press(step, finishButton);
  wizard_test::HostStepGone(processId, 4);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wizard_tour <screenshot folder> [<shown folder>] [exit|manager|again]\n");
    return 2;
  }
  const std::string folderArg = argv[1];
  std::string shown = argc > 2 ? argv[2] : folderArg;
  if (!shown.empty() && shown.back() != '/' && shown.back() != '\\') shown += '/';
  const std::string finish = argc > 3 ? argv[3] : "exit";
  const wchar_t* finishButton = finish == "manager" ? L"bt_OpenCorvilManager"
                                : finish == "again" ? L"bt_PairNextMouse"
                                                    : L"bt_Exit";
  std::wstring folder(folderArg.begin(), folderArg.end());
  if (folder.back() != L'\\') folder += L'\\';
  CreateDirectoryW(folder.c_str(), nullptr);
  Tour tour(folder, shown);

  std::printf("Wizard tour: pairing a mouse through the host's wizard\n");
  if (HWND main = RunningHost()) {
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    tour.Say("Using the host that is running.");
    return RunSteps(tour, main, processId, finishButton) ? 0 : 1;
  }

  host_test::HostInstallation installation(L"wizard-tour");
  installation.SetScenario(kDemoScenario, 1);
  host_test::HostRun host(installation);
  if (!host.Started()) {
    tour.Say("the host's main window did not appear");
    return 1;
  }
  tour.Say("The host runs on a simulated receiver whose mouse answers the third status read.");
  tour.Shot(host.Window(), "wizard-00-host.png");
  const bool paired = RunSteps(tour, host.Window(), host.Process().Id(), finishButton);
  if (finish == "exit") {
    const DWORD code = host.ExitCode();
    tour.Say("The host closed (exit code " + std::to_string(code) + ").");
  } else {
    Sleep(1000);
    if (HWND opened = driver::FindTopWindowOfProcess(host.Process().Id(), L"FAckbox", 0)) {
      tour.Say("The host says: \"" + driver::Utf8(driver::GetText(driver::FindComponent(opened, L"lb_Message"))) + "\"");
      tour.Shot(opened, "wizard-06-after.png");
    }
  }
  std::printf("The receiver's configuration page now holds:\n");
  for (int slot = 0; slot < 5; ++slot) {
    std::printf("  mouse slot %d: %-18s keyboard slot %d: %s\n", slot, SlotText(installation.MouseSlot(slot)).c_str(),
                slot, SlotText(installation.KeyboardSlot(slot)).c_str());
  }
  return paired ? 0 : 1;
}
