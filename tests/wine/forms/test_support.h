// Helpers of the in-process forms tests.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "forms/forms.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/forms/demo_art.h"
#include "tests/wine/forms/demo_form.h"

namespace test {

inline demo::DemoFiles DemoFiles() {
  const std::wstring folder = driver::ProgramFolder() + L"forms_test_files\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  demo::DemoFiles files{folder + L"background.bmp", folder + L"corrupt.bmp", folder + L"missing.bmp"};
  demo::WriteBackground(files.background);
  demo::WriteBytes(files.corrupt, demo::TruncatedBitmap());
  DeleteFileW(files.missing.c_str());
  return files;
}

// Runs messages until `condition` holds or `timeoutMs` passes.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() >= end) return false;
    forms::Application::ProcessMessages();
    Sleep(5);
  }
  return true;
}

}  // namespace test
