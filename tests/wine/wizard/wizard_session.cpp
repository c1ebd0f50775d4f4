#include "tests/wine/wizard/wizard_session.h"

#include <cstring>

#include "framework/core/ini_file.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"

namespace wizard_test {
namespace {

constexpr DWORD kCloseTimeoutMs = 5000;


std::wstring StepCaption(int step) { return L"FCorvilStep" + std::to_wstring(step); }

// The visible step window of this process, if any.
HWND VisibleStep() {
  for (int step = 1; step <= 4; ++step) {
    HWND window = driver::FindTopWindowOfProcess(GetCurrentProcessId(), StepCaption(step), 0);
    if (window != nullptr && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

DWORD WINAPI DriverMain(void* parameter) {
  (*static_cast<const std::function<void()>*>(parameter))();
  return 0;
}

}  // namespace

std::wstring StagedFormsFolder() {
  return driver::HostFolder(SUITE_STAGE_DIR) + L"Data\\Tandra_Technology\\Forms\\";
}

std::wstring EvidenceFolder() {
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring own = folder + L"wizard\\";
  CreateDirectoryW(own.c_str(), nullptr);
  return own;
}

std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key) {
  return framework::IniFile::Open(StagedFormsFolder() + L"Texts\\" + language + L".txt").ReadString(section, key, L"");
}

FormsTree::FormsTree(const std::wstring& name, std::initializer_list<const wchar_t*> languages) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring top = std::wstring(temp) + L"wizard-" + name + L"\\";
  driver::DeleteTree(top);
  CreateDirectoryW(top.c_str(), nullptr);
  root_ = top + L"Forms\\";
  CreateDirectoryW(root_.c_str(), nullptr);
  const std::wstring staged = StagedFormsFolder();
  driver::CopyFiles(staged + L"Texts\\", root_ + L"Texts\\", L"*.txt");
  driver::CopyFiles(staged + L"Lustrea\\", root_ + L"Lustrea\\", L"*.dll");
  driver::CopyFiles(staged + L"CorvilForm\\", PluginFolder(), L"*");
  // The wizard's own pictures, and the skin pictures every form shares.
  for (const std::wstring folder : {L"CorvilForm\\", L"Lustrea\\"}) {
    driver::CopyFiles(staged + folder + L"English\\", root_ + folder + L"English\\", L"*.bmp");
    for (const wchar_t* language : languages) {
      driver::CopyFiles(staged + folder + language + L"\\", root_ + folder + language + L"\\", L"*.bmp");
    }
  }
}

void FormsTree::WriteText(const std::wstring& relativePath, const std::string& utf8) const {
  driver::WriteFileBytes(root_ + relativePath, utf8);
}

WizardLibrary::WizardLibrary(const std::wstring& path) {
  const std::string narrow(path.begin(), path.end());
  module_ = LoadLibraryA(narrow.c_str());  // the host's loader takes the ANSI path
  if (module_ != nullptr) {
    entry_ = reinterpret_cast<contract::ReturnCorvilFormProc>(
        reinterpret_cast<void*>(GetProcAddress(module_, contract::kReturnCorvilForm)));
  }
}

WizardLibrary::~WizardLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

void* const* WizardLibrary::StepVariable(int step) const {
  const std::string name = "_FCorvilStep" + std::to_string(step);
  return reinterpret_cast<void* const*>(GetProcAddress(module_, name.c_str()));
}

contract::WizardParams MakeRecord(uint16_t languageId, HWND host, int32_t previousDeviceType) {
  contract::WizardParams record;
  std::memset(&record, 0, sizeof(record));
  record.head.languageId = languageId;
  record.head.hostWindow = contract::ToWindowField(host);
  record.previousDeviceType = previousDeviceType;
  return record;
}

WizardRun RunWizard(const WizardLibrary& library, contract::WizardParams* record, const std::function<void()>& drive) {
  WizardRun run;
  if (!library.Loaded()) return run;
  // A driver that failed halfway must not leave the entry blocked for good: after it has finished,
  // a watcher closes whatever step is still showing.
  const std::function<void()> driveThenClose = [&] {
    drive();
    const DWORD deadline = GetTickCount() + kCloseTimeoutMs;
    while (GetTickCount() < deadline) {
      HWND open = VisibleStep();
      if (open == nullptr) {
        Sleep(100);
        if (VisibleStep() == nullptr) return;
        continue;
      }
      run.forcedClosed = true;
      PostMessageW(open, WM_CLOSE, 0, 0);
      Sleep(200);
    }
  };
  HANDLE thread = CreateThread(nullptr, 0, &DriverMain, const_cast<std::function<void()>*>(&driveThenClose), 0,
                               nullptr);
  if (thread == nullptr) return run;
  run.result = library.Call(record);
  // Keep answering messages while the driver finishes: its window searches read captions, which
  // asks this thread's windows (the host window) for their text.
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  CloseHandle(thread);
  return run;
}

HWND WaitStep(int step, DWORD timeoutMs) {
  HWND window = driver::FindTopWindowOfProcess(GetCurrentProcessId(), StepCaption(step), timeoutMs);
  if (window == nullptr || !driver::WaitVisible(window, true, timeoutMs)) return nullptr;
  return window;
}

bool WaitStepHidden(int step, DWORD timeoutMs) {
  HWND window = driver::FindTopWindowOfProcess(GetCurrentProcessId(), StepCaption(step), 0);
  return window == nullptr || driver::WaitVisible(window, false, timeoutMs);
}

HWND Part(HWND step, const wchar_t* name) { return step == nullptr ? nullptr : driver::FindComponent(step, name); }

bool Press(HWND step, const wchar_t* name) {
  HWND button = Part(step, name);
  if (button == nullptr || !driver::WaitEnabled(button, true)) return false;
  driver::Click(button);
  return true;
}

std::wstring TextOf(HWND step, const wchar_t* name) {
  HWND part = Part(step, name);
  return part == nullptr ? L"<missing " + std::wstring(name) + L">" : driver::GetText(part);
}

bool Checked(HWND step, const wchar_t* name) {
  HWND part = Part(step, name);
  return part != nullptr && driver::IsChecked(part);
}

bool IsShown(HWND step, const wchar_t* name) {
  HWND part = Part(step, name);
  return part != nullptr && IsWindowVisible(part);
}

std::wstring Utf16(const char* text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring wide(units > 0 ? units - 1 : 0, L'\0');
  if (units > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), units);
  return wide;
}

}  // namespace wizard_test
