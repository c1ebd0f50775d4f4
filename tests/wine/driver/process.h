// Starting a program under test and collecting its full 32-bit exit code (a shell only sees the low
// 8 bits under Wine).
#pragma once
#include <windows.h>

#include <string>

namespace driver {

class Process {
 public:
  // Starts `exe` with the argument text `arguments` (quoted by the caller as needed).
  // `workingFolder` "" keeps this process's current directory.
  Process(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingFolder = L"");
  ~Process();  // terminates a process still running: a failed test leaves nothing behind
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  // Waits for the exit; true with *exitCode set when it ended in time.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
  bool Running() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// The folder of the running test program, with a trailing backslash.
std::wstring ProgramFolder();

}  // namespace driver
