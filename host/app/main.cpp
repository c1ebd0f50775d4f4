// Tandra_Technology.exe: one running copy, its main window, the message loop.
#include <windows.h>

#include "forms/forms.h"
#include "framework/win32/plugin_library.h"
#include "host/app/tandra_form.h"
#include "host/main/single_copy.h"

// The main form, exported for the plug-ins that look for it by name (Tandra_Technology.def).
extern "C" {
hostapp::TTandraTechnology* TandraTechnology = nullptr;
}

namespace {

constexpr wchar_t kMutexName[] = L"TandraTechnologyExe";
constexpr int kAlreadyRunning = -1;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
  if (host::AnotherCopyRuns(mutex != nullptr, GetLastError())) {
    if (mutex != nullptr) CloseHandle(mutex);
    return kAlreadyRunning;
  }
  // Every library is loaded by full path from the program's own tree; a library planted in the
  // current folder must never be picked up.
  framework::RemoveCurrentDirectoryFromDllSearch();

  int exitCode = 0;
  try {
    forms::Application::Initialize();
    const hostapp::HostFolders folders = hostapp::FoldersOfProgram(framework::ModuleFolder(nullptr));
    auto form = forms::MakeForm<hostapp::TTandraTechnology>(folders, GetUserDefaultLangID());
    TandraTechnology = form.get();
    form->FireCreate();
    exitCode = forms::Application::Run(*form);
    // The window goes first, with the whole form standing: its controller still answers the
    // messages of the teardown, and the skin sees its form go.
    form.reset();
    TandraTechnology = nullptr;
  } catch (...) {
    forms::Application::HandleCurrentException();
  }
  if (mutex != nullptr) CloseHandle(mutex);
  return exitCode;
}
