// A short scripted tour of the host program on the simulated receiver, for people without a display:
// the main window, what each button does without a receiver and with one, a screenshot of each
// moment, and what the receiver's configuration page holds afterwards.
// Usage: host_tour <screenshot folder (Windows path)> <the same folder as the caller names it>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_session.h"

namespace {

using host_test::HostInstallation;
using host_test::HostRun;

// The demo receiver: a mouse answers the third status read of a pairing run, a keyboard the fifth.
const char kDemoScenario[] =
    "[Receiver]\nGeneration=104\n"
    "[Pairing]\nDevice1=mouse,0x51234,attr=0x80,after=3\nDevice2=keyboard,0x2BCDE,after=5\n"
    "[RfInfo]\nSignal=96,104,99,110,101\nChannel=5\nExtra=0x11\n";

const wchar_t* const kButtons[] = {L"bt_OpenCorvilManager", L"bt_OpenWavegauge", L"bt_NewCorvilProcess"};

struct OpenSearch {
  DWORD processId;
  HWND main;
  HWND found;
};

BOOL CALLBACK MatchOpened(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<OpenSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && window != search->main && IsWindowVisible(window) &&
      !driver::ComponentName(window).empty()) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

class Tour {
 public:
  Tour(std::wstring folder, std::string shownFolder) : folder_(std::move(folder)), shown_(std::move(shownFolder)) {}

  void Say(const std::string& line) {
    std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
  }
  void Shot(HWND window, const std::string& name) {
    driver::WaitVisible(window, true);
    Sleep(400);
    driver::WritePng(driver::CaptureWindow(window), folder_ + std::wstring(name.begin(), name.end()));
    Say("    screenshot: " + shown_ + "/" + name);
  }

  // A visible top-level form of the process other than the main window.
  static HWND OpenedWindow(DWORD processId, HWND main) {
    OpenSearch search{processId, main, nullptr};
    driver::WaitUntil([&] {
      EnumWindows(&MatchOpened, reinterpret_cast<LPARAM>(&search));
      return search.found != nullptr;
    }, 15000);
    return search.found;
  }

 private:
  std::wstring folder_;
  std::string shown_;
};

std::string SlotText(uint32_t value) {
  char text[32];
  if ((value & 0xFFFFFF) == 0xFFFFFF) return "free";
  std::snprintf(text, sizeof(text), "%06X%s", value & 0x7FFFF, (value & 0x800000) ? " (disabled)" : "");
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: host_tour <screenshot folder> <shown folder>\n");
    return 2;
  }
  const std::string folderArg = argv[1];
  Tour tour(std::wstring(folderArg.begin(), folderArg.end()) + L"\\", argv[2]);

  std::printf("Host tour: Tandra_Technology.exe on a simulated receiver\n");
  {
    HostInstallation installation(L"tour-no-receiver");
    installation.SetScenario(kDemoScenario, 0);
    HostRun host(installation);
    if (!host.Started()) {
      std::printf("  the host's main window did not appear\n");
      return 1;
    }
    tour.Say("The main window:");
    tour.Shot(host.Window(), "host-01-main-window.png");
    tour.Say("No receiver plugged in; each button explains instead of opening:");
    int n = 2;
    for (const wchar_t* button : kButtons) {
      host.Press(button);
      const std::wstring text = host.DialogText();
      tour.Say("  " + driver::Utf8(button) + ": \"" + driver::Utf8(text) + "\"");
      char name[64];
      std::snprintf(name, sizeof(name), "host-%02d-no-receiver-%s.png", n++, driver::Utf8(button).c_str() + 3);
      if (host.Dialog() != nullptr) tour.Shot(host.Dialog(), name);
      host.DismissDialog();
      host.WaitIdle();
    }
    host.Press(L"bt_Close");
    host.ExitCode();
  }
  {
    HostInstallation installation(L"tour-receiver");
    installation.SetScenario(kDemoScenario, 1);
    HostRun host(installation);
    if (!host.Started()) return 1;
    tour.Say("One receiver plugged in; each button opens its part of the suite:");
    int n = 5;
    for (const wchar_t* button : kButtons) {
      host.Press(button);
      HWND opened = Tour::OpenedWindow(host.Process().Id(), host.Window());
      char name[64];
      std::snprintf(name, sizeof(name), "host-%02d-opened-%s.png", n++, driver::Utf8(button).c_str() + 3);
      if (opened == nullptr) {
        tour.Say("  " + driver::Utf8(button) + ": nothing opened");
        continue;
      }
      const std::wstring caption = driver::GetText(opened);
      const std::wstring message =
          caption == host_test::kAckboxCaption ? driver::GetText(driver::FindComponent(opened, L"lb_Message")) : L"";
      tour.Say("  " + driver::Utf8(button) + ": " + driver::Utf8(caption) + (message.empty() ? "" : " \"" + driver::Utf8(message) + "\""));
      tour.Shot(opened, name);
      if (caption == host_test::kAckboxCaption) {
        host.DismissDialog();
      } else {
        driver::Close(opened);
      }
      driver::WaitUntil([&] { return !IsWindow(opened) || !IsWindowVisible(opened); });
      host.WaitIdle(5000);
    }
    if (IsWindow(host.Window())) {
      host.Press(L"bt_Close");
    }
    const DWORD code = host.ExitCode();
    std::printf("  the host ended with exit code %ld\n", static_cast<long>(code));
    std::printf("The receiver's configuration page now holds:\n");
    for (int slot = 0; slot < 5; ++slot) {
      std::printf("  mouse slot %d: %-18s keyboard slot %d: %s\n", slot, SlotText(installation.MouseSlot(slot)).c_str(),
                  slot, SlotText(installation.KeyboardSlot(slot)).c_str());
    }
  }
  return 0;
}
