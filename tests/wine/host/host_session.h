// One run of the real host on a test installation: its main window, its buttons, and the
// confirmation dialog it shows.
#pragma once
#include <windows.h>

#include <string>

#include "tests/wine/driver/process.h"
#include "tests/wine/host/host_installation.h"

namespace host_test {

inline constexpr wchar_t kMainForm[] = L"TandraTechnology";
inline constexpr wchar_t kAckboxCaption[] = L"FAckbox";
inline constexpr DWORD kDialogTimeoutMs = 15000;

class HostRun {
 public:
  // Starts the host of the installation; `workingFolder` "" starts it in the installation's folder.
  explicit HostRun(const HostInstallation& installation, const std::wstring& workingFolder = L"");

  bool Started() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  HWND Component(const std::wstring& name) const;
  driver::Process& Process() { return process_; }

  // Posts a click on a main-window button (its handler may open modal windows).
  void Press(const std::wstring& button);
  // The confirmation dialog's text once it is shown ("" when none comes); Dismiss closes it with OK.
  std::wstring DialogText(DWORD timeoutMs = kDialogTimeoutMs);
  HWND Dialog() const;
  void DismissDialog();
  // Waits for the host to end; its full exit code, or 0xDEAD0000 when it did not end in time.
  DWORD ExitCode(DWORD timeoutMs = 15000);
  // Waits until the main window takes input again (no plug-in or dialog open).
  bool WaitIdle(DWORD timeoutMs = 15000);

 private:
  driver::Process process_;
  HWND window_ = nullptr;
};

// A file's text ("" when missing).
std::string ReadText(const std::wstring& path);
// "Z:\..." for a file of the build machine.
std::wstring HostFile(const char* unixPath);

}  // namespace host_test
