// The signal display's part of the host tour. With the host running on the simulated receiver (or
// started here when none runs), it opens the signal display through the host's bt_OpenWavegauge,
// lets it measure for a few seconds, saves a screenshot of the number, then pulls the receiver out
// through the simulator's pull-out file and reports that the display closed and the host ended.
//
//   gauge_tour.exe <installation folder> [evidence folder] [seconds to measure]
//
// The installation's receiver scenario (DLL\DLL_Hidora.ini -> Scenario=) must name the pull-out file
// in [Faults] UnplugFile=. Exit status 0 when everything happened as described, else 1; 2 for bad
// arguments or set-up.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"

namespace {

constexpr wchar_t kHostForm[] = L"TandraTechnology";
constexpr wchar_t kDisplay[] = L"FWavegauge";

void Say(const std::wstring& line) {
  std::printf("gauge tour: %ls\n", line.c_str());
  std::fflush(stdout);
}

std::wstring WithSlash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring IniString(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t value[512] = {};
  GetPrivateProfileStringW(section, key, L"", value, 512, file.c_str());
  return value;
}

bool IsFullPath(const std::wstring& path) { return path.size() > 1 && (path[1] == L':' || path[0] == L'\\'); }

struct HostSearch {
  HWND found = nullptr;
};

BOOL CALLBACK MatchHost(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<HostSearch*>(parameter);
  if (driver::ComponentName(window) == kHostForm && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindHost(DWORD timeoutMs) {
  HostSearch search;
  driver::WaitUntil([&] {
    EnumWindows(&MatchHost, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeoutMs);
  return search.found;
}

bool Shoot(HWND window, const std::wstring& path) {
  const bool written = driver::WritePng(driver::CaptureWindow(window), path);
  Say(std::wstring(written ? L"screenshot " : L"could not write ") + path);
  return written;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    Say(L"usage: gauge_tour.exe <installation folder> [evidence folder] [seconds]");
    return 2;
  }
  const std::wstring installation = WithSlash(argv[1]);
  const std::wstring evidence = WithSlash(argc > 2 ? argv[2] : installation);
  const DWORD measureMs = (argc > 3 ? _wtoi(argv[3]) : 3) * 1000;
  CreateDirectoryW(evidence.c_str(), nullptr);

  // Where the simulator looks for the pull-out file.
  const std::wstring dllFolder = installation + L"DLL\\";
  std::wstring scenario = IniString(dllFolder + L"DLL_Hidora.ini", L"Simulator", L"Scenario");
  if (scenario.empty()) {
    Say(L"no simulated receiver in " + dllFolder + L"DLL_Hidora.ini");
    return 2;
  }
  if (!IsFullPath(scenario)) scenario = dllFolder + scenario;
  std::wstring unplug = IniString(scenario, L"Faults", L"UnplugFile");
  if (unplug.empty()) {
    Say(L"the scenario " + scenario + L" names no [Faults] UnplugFile: the receiver cannot be pulled out");
    return 2;
  }
  if (!IsFullPath(unplug)) unplug = scenario.substr(0, scenario.find_last_of(L"\\/") + 1) + unplug;
  DeleteFileW(unplug.c_str());  // plugged in

  std::unique_ptr<driver::Process> started;
  HWND host = FindHost(500);
  if (host == nullptr) {
    Say(L"no host running: starting " + installation + L"Tandra_Technology.exe");
    started = std::make_unique<driver::Process>(installation + L"Tandra_Technology.exe", L"", installation);
    host = FindHost(20000);
  }
  if (host == nullptr) {
    Say(L"the host's main window did not appear");
    return 1;
  }
  DWORD hostPid = 0;
  GetWindowThreadProcessId(host, &hostPid);
  HANDLE hostProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, hostPid);
  driver::WaitEnabled(host, true);

  Say(L"pressing bt_OpenWavegauge");
  driver::Click(driver::FindComponent(host, L"bt_OpenWavegauge"), driver::Delivery::kPost);
  HWND display = driver::FindTopWindowOfProcess(hostPid, kDisplay, 15000);
  if (display == nullptr || !driver::WaitVisible(display, true)) {
    Say(L"the signal display did not open");
    return 1;
  }
  HWND meter = driver::FindComponent(display, L"pl_RSSI");
  Sleep(measureMs);
  const std::wstring number = driver::GetText(meter);
  Say(L"the display shows " + (number.empty() ? std::wstring(L"no number yet") : number) + L" after " +
      std::to_wstring(measureMs / 1000) + L" s");
  Shoot(display, evidence + L"tour_wavegauge_measuring.png");

  Say(L"pulling the receiver out (" + unplug + L")");
  HANDLE file = CreateFileW(unplug.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  const bool displayClosed = driver::WaitUntil([&] { return !IsWindow(display) || !IsWindowVisible(display); }, 10000);
  Say(displayClosed ? L"the signal display closed" : L"the signal display is still open");
  DWORD exitCode = STILL_ACTIVE;
  const bool hostEnded = hostProcess != nullptr && WaitForSingleObject(hostProcess, 15000) == WAIT_OBJECT_0;
  if (hostEnded) GetExitCodeProcess(hostProcess, &exitCode);
  Say(hostEnded ? L"the host ended with exit code " + std::to_wstring(exitCode) : L"the host is still running");
  Shoot(GetDesktopWindow(), evidence + L"tour_wavegauge_pulled_out.png");
  if (hostProcess != nullptr) CloseHandle(hostProcess);
  DeleteFileW(unplug.c_str());  // plugged in again for the next start
  return displayClosed && hostEnded ? 0 : 1;
}
