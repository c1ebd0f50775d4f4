// installer_probe: the Windows half of the installer test (installer_test.sh). It starts programs
// with exact command lines (NSIS wants "/D=" unquoted, which a shell under Wine cannot pass) and
// reports their full exit codes and times.
//
//   installer_probe run <exe> [args...]
//       Runs the program, prints "exit <code> after <ms> ms", returns the program's exit code.
//   installer_probe while-running <program.exe | -> <screenshot.png | -> <exe> [args...]
//       Starts an installed program and waits for its main window (saved as PNG), or with "-" holds
//       the host's single-instance mutex itself; then runs <exe> (a silent setup or uninstaller) and
//       expects it to stop with exit code 2 because the program is running. Closes the program
//       afterwards. Returns 0 when both held.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"

namespace {

constexpr DWORD kSetupTimeoutMs = 120000;
constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kExitProgramRunning = 2;  // the installer's exit code when a program of ours runs

std::wstring JoinArguments(int argc, wchar_t** argv, int first) {
  std::wstring joined;
  for (int i = first; i < argc; ++i) {
    if (!joined.empty()) joined += L' ';
    joined += argv[i];
  }
  return joined;
}

// Runs a program to its end; false when it did not start or did not end in time.
bool RunToEnd(const std::wstring& exe, const std::wstring& arguments, DWORD* exitCode, ULONGLONG* ms) {
  const ULONGLONG start = GetTickCount64();
  driver::Process process(exe, arguments);
  if (!process.Started()) {
    std::printf("cannot start %ls (error %lu)\n", exe.c_str(), GetLastError());
    return false;
  }
  if (!process.WaitExit(kSetupTimeoutMs, exitCode)) {
    std::printf("%ls did not end within %lu s\n", exe.c_str(), kSetupTimeoutMs / 1000);
    return false;
  }
  *ms = GetTickCount64() - start;
  std::printf("exit %lu after %llu ms\n", *exitCode, *ms);
  return true;
}

struct MainWindowSearch {
  DWORD processId;
  HWND found;
};

// A visible top-level window of the process that is not a message box or other dialog box.
BOOL CALLBACK MatchMainWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<MainWindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (driver::WindowClassName(window) == L"#32770") return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForMainWindow(DWORD processId) {
  MainWindowSearch search{processId, nullptr};
  driver::WaitUntil([&] {
    search.found = nullptr;
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, kWindowTimeoutMs);
  return search.found;
}

int Run(int argc, wchar_t** argv) {
  DWORD code = 0;
  ULONGLONG ms = 0;
  if (!RunToEnd(argv[2], JoinArguments(argc, argv, 3), &code, &ms)) return 255;
  return static_cast<int>(code);
}

int WhileRunning(int argc, wchar_t** argv) {
  const std::wstring program = argv[2], screenshot = argv[3];
  bool ok = true;
  HANDLE mutex = nullptr;
  driver::Process* running = nullptr;
  HWND window = nullptr;
  if (program == L"-") {
    mutex = CreateMutexW(nullptr, FALSE, L"TandraTechnologyExe");
    std::printf("holding the host's mutex in place of the host\n");
  } else {
    running = new driver::Process(program, L"");
    window = running->Started() ? WaitForMainWindow(running->Id()) : nullptr;
    if (!window) {
      std::printf("FAIL %ls showed no main window within %lu s\n", program.c_str(),
                  kWindowTimeoutMs / 1000);
      delete running;
      return 1;
    }
    RECT r = driver::WindowRect(window);
    std::printf("main window \"%ls\" (%ls), %ld x %ld\n", driver::GetText(window).c_str(),
                driver::WindowClassName(window).c_str(), r.right - r.left, r.bottom - r.top);
    Sleep(300);  // let it paint before the capture
    if (screenshot != L"-" && !driver::WritePng(driver::CaptureWindow(window), screenshot)) {
      std::printf("FAIL cannot write %ls\n", screenshot.c_str());
      ok = false;
    }
  }

  DWORD code = 0;
  ULONGLONG ms = 0;
  if (!RunToEnd(argv[4], JoinArguments(argc, argv, 5), &code, &ms)) {
    ok = false;
  } else if (code != kExitProgramRunning) {
    std::printf("FAIL it ran on while the program was running (exit %lu, wanted %lu)\n", code,
                kExitProgramRunning);
    ok = false;
  }

  if (running) {
    driver::Close(window);
    DWORD hostCode = 0;
    if (!running->WaitExit(10000, &hostCode)) std::printf("note: the program did not close; ended it\n");
    delete running;  // ends it if it still runs
  }
  if (mutex) CloseHandle(mutex);
  return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"run" && argc >= 3) return Run(argc, argv);
  if (command == L"while-running" && argc >= 5) return WhileRunning(argc, argv);
  std::printf("usage: installer_probe run <exe> [args...] | while-running <program|-> <png|-> <exe> [args...]\n");
  return 64;
}
