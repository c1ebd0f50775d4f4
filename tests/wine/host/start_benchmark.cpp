// Start-up figure: from starting Tandra_Technology.exe to its main window on the screen, against a
// bare Win32 program that only shows one window, both measured in this run under the same Wine.
// Prints the medians of several starts and their ratio; it asserts nothing about speed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/host/host_session.h"

namespace {

constexpr int kRuns = 5;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Start to the first visible window whose form name or caption is `name`.
double TimeToWindow(const std::wstring& exe, const std::wstring& folder, const std::wstring& name, bool byForm) {
  LARGE_INTEGER start, shown;
  QueryPerformanceCounter(&start);
  driver::Process process(exe, L"", folder);
  HWND window = nullptr;
  driver::WaitUntil([&] {
    window = byForm ? driver::FindFormOfProcess(process.Id(), name, 0)
                    : driver::FindTopWindowOfProcess(process.Id(), name, 0);
    return window != nullptr && IsWindowVisible(window);
  }, 30000);
  QueryPerformanceCounter(&shown);
  // The window has painted once it answers a sent message after showing.
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, nullptr);
  QueryPerformanceCounter(&shown);
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 0;
  if (!process.WaitExit(10000, &code)) std::printf("  (a run did not end by itself)\n");
  return Milliseconds(start, shown);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  host_test::HostInstallation installation(L"start-benchmark");
  installation.SetScenario("[Receiver]\nGeneration=104\n");
  const std::wstring bare = host_test::HostFile(BARE_WINDOW_EXE);
  std::vector<double> host, baseline;
  // One start of each first: the first start of a program under Wine also loads its system DLLs.
  TimeToWindow(bare, installation.Folder(), L"BareWindow", false);
  TimeToWindow(installation.Program(), installation.Folder(), host_test::kMainForm, true);
  for (int i = 0; i < kRuns; ++i) {
    baseline.push_back(TimeToWindow(bare, installation.Folder(), L"BareWindow", false));
    host.push_back(TimeToWindow(installation.Program(), installation.Folder(), host_test::kMainForm, true));
  }
  const double hostMs = Median(host), bareMs = Median(baseline);
  char line[256];
  std::snprintf(line, sizeof(line),
                "host start to painted main window: median %.1f ms; bare Win32 window: median %.1f ms; "
                "ratio %.2f (%d runs each)\n",
                hostMs, bareMs, bareMs > 0 ? hostMs / bareMs : 0.0, kRuns);
  std::fputs(line, stdout);
  driver::WriteFileBytes(host_test::EvidenceFolder() + L"host-start-benchmark.txt", std::string(line));
  return 0;
}
