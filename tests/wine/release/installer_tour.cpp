// A short tour of the installer for the user guide: starts Tandra_Setup.exe as a user would, saves
// a screenshot of its first pages and cancels before anything is installed.
// Usage: installer_tour <screenshot folder (Windows path)> <the same folder as the caller names it>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"

namespace {

constexpr int kNextButton = 1;    // Next, I Agree, Install: the setup dialog's default button
constexpr int kCancelButton = 2;
constexpr DWORD kPageTimeoutMs = 10000;

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

struct DialogSearch {
  DWORD processId;
  HWND except;
  HWND found;
};

// A visible dialog-box window of the process other than `except`.
BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->except || !IsWindowVisible(window)) return TRUE;
  if (driver::WindowClassName(window) != L"#32770") return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitDialog(DWORD processId, HWND except) {
  DialogSearch search{processId, except, nullptr};
  driver::WaitUntil([&] {
    search.found = nullptr;
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, kPageTimeoutMs);
  return search.found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: installer_tour <screenshot folder> <folder as shown>\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  const std::string shown = argv[2];
  std::string setup = "Z:" SUITE_SETUP_EXE;
  for (char& c : setup) c = c == '/' ? '\\' : c;

  std::printf("Installer tour: %s\n", SUITE_SETUP_EXE);
  if (GetFileAttributesA(setup.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("  not built (makensis missing?): no screenshots\n");
    return 0;
  }
  driver::Process process(Wide(setup), L"");
  HWND window = process.Started() ? WaitDialog(process.Id(), nullptr) : nullptr;
  if (!window) {
    std::printf("  the setup window did not appear\n");
    return 1;
  }
  HWND next = GetDlgItem(window, kNextButton);
  auto shot = [&](const char* name, const char* what) {
    Sleep(400);
    driver::WritePng(driver::CaptureWindow(window), Wide(folder + name));
    std::printf("  %s: \"%ls\"\n      screenshot: %s/%s\n", what, driver::GetText(window).c_str(),
                shown.c_str(), name);
  };
  // Each page names the default button differently; a page has come when its name shows.
  auto advance = [&](const wchar_t* caption) {
    driver::Click(next, driver::Delivery::kPost);
    return driver::WaitUntil([&] { return driver::GetText(next) == caption; }, kPageTimeoutMs);
  };

  bool ok = true;
  shot("installer-1-welcome.png", "Welcome page");
  ok = ok && advance(L"I &Agree");
  if (ok) shot("installer-2-license.png", "License page");
  ok = ok && advance(L"&Install");
  if (ok) shot("installer-3-folder.png", "Folder page");
  if (!ok) std::printf("  a page did not come (the button reads \"%ls\")\n", driver::GetText(next).c_str());

  // Cancel, and answer the question whether to quit with Yes: nothing has been installed.
  driver::Click(GetDlgItem(window, kCancelButton), driver::Delivery::kPost);
  if (HWND question = WaitDialog(process.Id(), window)) {
    driver::Click(GetDlgItem(question, IDYES), driver::Delivery::kPost);
  }
  DWORD code = 0;
  if (process.WaitExit(kPageTimeoutMs, &code)) {
    std::printf("  cancelled; the setup ended with exit code %lu and installed nothing\n", code);
  } else {
    std::printf("  the setup did not end after Cancel; ended it\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
