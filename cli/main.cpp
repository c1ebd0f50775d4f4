// Tandra_Cli.exe: the receiver's paired devices from a console, with the host's powers and the
// host's files (the device-access library beside it, the page journal and the names file under
// %APPDATA%\Tandra), so the two programs see one and the same state.
#include <windows.h>

#include <string>
#include <vector>

#include "cli/console_io.h"
#include "cli/core/cli_run.h"
#include "framework/core/ini_file.h"
#include "framework/core/language.h"
#include "host/win32/device_library_win32.h"
#include "plugins/manager/core/device_slots.h"
#include "userfiles/win32/win32_user_files.h"

namespace {

constexpr wchar_t kHostMutex[] = L"TandraTechnologyExe";

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

// The host holds its mutex from start to end.
bool HostRunning() {
  HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kHostMutex);
  if (mutex == nullptr) return false;
  CloseHandle(mutex);
  return true;
}

// The rows the manager shows, from its layout file, as the manager reads it.
int ActiveDeviceCount(const std::wstring& formsRoot, const std::wstring& language) {
  const framework::IniFile layout = framework::IniFile::Open(formsRoot + L"CorvilManager\\UI.txt");
  std::wstring value = layout.ReadString(language, L"SetActiveDeviceCount", framework::kMissingValue);
  if (value == framework::kMissingValue) {
    value = layout.ReadString(framework::kEnglish, L"SetActiveDeviceCount", framework::kMissingValue);
  }
  return manager::ActiveDeviceCount(value == framework::kMissingValue ? nullptr : &value);
}

// Ctrl+C and Ctrl+Break do not end the process: a page rewrite must not be cut off, and pairing
// must be switched off again. The commands look at the flag where stopping is safe.
volatile LONG interrupted = 0;

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  InterlockedExchange(&interrupted, 1);
  return TRUE;
}

bool IsYes(const std::wstring& answer) {
  return answer == L"y" || answer == L"Y" || answer == L"yes" || answer == L"Yes" || answer == L"YES";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);

  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
  const std::wstring formsRoot = ProgramFolder() + L"Data\\Tandra_Technology\\Forms\\";
  const std::wstring language = framework::LanguageNameFor(0, GetUserDefaultLangID());
  framework::LoadLanguage(language, formsRoot);

  host::TDeviceLibrary& library = host::HostDeviceLibrary();
  library.BindDeviceLibrary(nullptr);
  const userfiles::FileOps files = userfiles::Win32FileOps();
  const std::wstring userFolder = userfiles::UserFolder(L"Tandra");
  receiver::PageJournal journal(files, userFolder);

  bool progressShown = false;
  cli::CliPorts ports;
  ports.library = &library;
  ports.journal = &journal;
  ports.nameOps = files;
  ports.nameFolder = userFolder;
  ports.hostRunning = HostRunning;
  ports.pairParameters = &host::ProcessPairParameters();
  ports.readFile = files.read;
  ports.writeFile = files.write;
  ports.confirm = [&](const std::wstring& text) {
    cli::WriteText(err, text + L" ");
    const std::wstring answer = cli::ReadLine();
    // A typed answer ends its own line; one from a pipe does not.
    if (!cli::IsConsole(GetStdHandle(STD_INPUT_HANDLE))) cli::WriteText(err, L"\n");
    return IsYes(answer);
  };
  // Live lines only for a person watching; a script reads the result instead.
  ports.progress = [&](const std::wstring& line) {
    if (!cli::IsConsole(err)) return;
    cli::WriteText(err, L"\r" + line + L"        ");
    progressShown = true;
  };
  ports.interrupted = [] { return InterlockedCompareExchange(&interrupted, 0, 0) != 0; };
  ports.text = [](const std::wstring& key) { return framework::GetText(cli::kTextSection, key); };
  ports.activeCount = ActiveDeviceCount(formsRoot, language);

  const cli::CliResult result = cli::RunCli(args, ports);
  if (progressShown) cli::WriteText(err, L"\n");
  cli::WriteOut(out, result.out);
  cli::WriteText(err, result.err);
  library.ReleaseDeviceLibrary();
  framework::FreeLanguage();
  return result.exitCode;
}
