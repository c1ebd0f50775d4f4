// The signal display's part of the host tour: with the host running on the simulated receiver, it
// opens the signal display through the host's bt_OpenWavegauge, lets it measure for a few seconds,
// saves a screenshot of the number, then pulls the receiver out (the simulator's pull-out file) and
// reports that the display closed and the host ended, with a screenshot of the screen afterwards.
//
//   gauge_tour.exe <screenshot folder (Windows path)> <the same folder as the caller names it>
//                  [--installation <folder>] [--seconds <n>]
//
// Without --installation (as scripts/host-demo.sh calls the plug-ins' tours) it makes its own copy of
// the staged installation with a drifting signal and starts the host there. With it, it uses that
// installation: a host already running there is taken as it is, else it is started. Its receiver
// scenario (DLL\DLL_Hidora.ini -> Scenario=) must name the pull-out file in [Faults] UnplugFile=.
// Exit status 0 when everything happened as described, 1 when not, 2 for bad arguments or set-up.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/host/host_installation.h"

namespace {

constexpr wchar_t kHostForm[] = L"TandraTechnology";
constexpr wchar_t kDisplay[] = L"FWavegauge";
const char kTourScenario[] =
    "[Receiver]\nGeneration=104\n[RfInfo]\nDrift=92,128,2\nChannel=5,9,13\n[Faults]\nUnplugFile=Unplugged\n";

void Say(const std::string& line) {
  std::printf("  %s\n", line.c_str());
  std::fflush(stdout);
}

std::wstring WithSlash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring Wide(const char* text) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring result(size > 0 ? size - 1 : 0, L'\0');
  if (size > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, &result[0], size);
  return result;
}

std::wstring IniString(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[512] = {};
  GetPrivateProfileStringW(section, key, L"", value, 512, file.c_str());
  return value;
}

bool IsFullPath(const std::wstring& path) { return path.size() > 1 && (path[1] == L':' || path[0] == L'\\'); }

struct HostSearch {
  DWORD processId;  // 0: any
  HWND found;
};

BOOL CALLBACK MatchHost(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<HostSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if ((search->processId == 0 || owner == search->processId) && IsWindowVisible(window) &&
      driver::ComponentName(window) == kHostForm) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindHost(DWORD processId, DWORD timeoutMs) {
  HostSearch search{processId, nullptr};
  driver::WaitUntil([&] {
    EnumWindows(&MatchHost, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

class Shots {
 public:
  Shots(std::wstring folder, std::string shown) : folder_(WithSlash(std::move(folder))), shown_(std::move(shown)) {}
  void Take(HWND window, const std::string& name) {
    const bool written = driver::WritePng(driver::CaptureWindow(window), folder_ + Wide(name.c_str()));
    Say(std::string(written ? "  screenshot: " : "  could not write ") + shown_ + "/" + name);
  }

 private:
  std::wstring folder_;
  std::string shown_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gauge_tour <screenshot folder> <shown folder> [--installation <folder>] [--seconds <n>]\n");
    return 2;
  }
  Shots shots(Wide(argv[1]), argv[2]);
  std::wstring installationFolder;
  DWORD measureMs = 3000;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--installation") installationFolder = WithSlash(Wide(argv[i + 1]));
    if (option == "--seconds") measureMs = static_cast<DWORD>(std::atoi(argv[i + 1])) * 1000;
  }
  std::printf("Signal display tour: Wavegauge in the host, then the receiver pulled out\n");
  std::unique_ptr<host_test::HostInstallation> own;
  if (installationFolder.empty()) {
    own = std::make_unique<host_test::HostInstallation>(L"gauge-tour");
    own->SetScenario(kTourScenario);
    installationFolder = own->Folder();
    Say("a copy of the installation whose receiver's signal drifts between 92 and 128");
  }

  // Where the simulator looks for the pull-out file.
  const std::wstring dllFolder = installationFolder + L"DLL\\";
  std::wstring scenario = IniString(dllFolder + L"DLL_Hidora.ini", L"Simulator", L"Scenario");
  if (scenario.empty()) {
    Say("no simulated receiver in " + driver::Utf8(dllFolder) + "DLL_Hidora.ini");
    return 2;
  }
  if (!IsFullPath(scenario)) scenario = dllFolder + scenario;
  std::wstring unplug = IniString(scenario, L"Faults", L"UnplugFile");
  if (unplug.empty()) {
    Say("the scenario " + driver::Utf8(scenario) + " names no [Faults] UnplugFile: the receiver cannot be pulled out");
    return 2;
  }
  if (!IsFullPath(unplug)) unplug = scenario.substr(0, scenario.find_last_of(L"\\/") + 1) + unplug;

  std::unique_ptr<driver::Process> started;
  HWND host = own ? nullptr : FindHost(0, 500);
  if (host == nullptr) {
    DeleteFileW(unplug.c_str());  // plugged in before the host looks
    started = std::make_unique<driver::Process>(installationFolder + L"Tandra_Technology.exe", L"", installationFolder);
    host = started->Started() ? FindHost(started->Id(), 20000) : nullptr;
  }
  if (host == nullptr) {
    Say("the host's main window did not appear");
    return 1;
  }
  DWORD hostPid = 0;
  GetWindowThreadProcessId(host, &hostPid);
  HANDLE hostProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, hostPid);
  driver::WaitEnabled(host, true);

  Say("bt_OpenWavegauge pressed:");
  driver::Click(driver::FindComponent(host, L"bt_OpenWavegauge"), driver::Delivery::kPost);
  HWND display = driver::FindTopWindowOfProcess(hostPid, kDisplay, 15000);
  if (display == nullptr || !driver::WaitVisible(display, true)) {
    Say("  the signal display did not open");
    return 1;
  }
  Sleep(measureMs);
  const std::wstring number = driver::GetText(driver::FindComponent(display, L"pl_RSSI"));
  Say("  after " + std::to_string(measureMs / 1000) + " s the signal display shows " +
      (number.empty() ? std::string("no number yet") : driver::Utf8(number)));
  shots.Take(display, "gauge-1-measuring.png");

  Say("the receiver pulled out (" + driver::Utf8(unplug) + " created):");
  HANDLE file = CreateFileW(unplug.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  const bool displayClosed = driver::WaitUntil([&] { return !IsWindow(display) || !IsWindowVisible(display); }, 10000);
  Say(displayClosed ? "  the signal display closed" : "  the signal display is still open");
  DWORD exitCode = STILL_ACTIVE;
  const bool hostEnded = hostProcess != nullptr && WaitForSingleObject(hostProcess, 15000) == WAIT_OBJECT_0;
  if (hostEnded) GetExitCodeProcess(hostProcess, &exitCode);
  Say(hostEnded ? "  the host ended with exit code " + std::to_string(exitCode) : "  the host is still running");
  shots.Take(GetDesktopWindow(), "gauge-2-receiver-pulled-out.png");
  if (hostProcess != nullptr) CloseHandle(hostProcess);
  DeleteFileW(unplug.c_str());  // plugged in again for the next start
  return displayClosed && hostEnded ? 0 : 1;
}
