#include "tests/wine/dialogs/harness.h"

#include "framework/core/ini_file.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"

namespace dialog_test {
namespace {

constexpr DWORD kAppearTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 8000;

struct DriverContext {
  const wchar_t* caption;
  const std::function<void(HWND)>* drive;
  DialogRun* run;
};

DWORD WINAPI DriverMain(void* parameter) {
  auto* context = static_cast<DriverContext*>(parameter);
  HWND window = driver::FindTopWindowOfProcess(GetCurrentProcessId(), context->caption, kAppearTimeoutMs);
  if (window == nullptr || !driver::WaitVisible(window, true, kAppearTimeoutMs)) return 0;
  context->run->appeared = true;
  (*context->drive)(window);
  if (!WaitClosed(window, kCloseTimeoutMs)) {
    context->run->forcedClosed = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  return 0;
}

}  // namespace

DialogRun RunDriven(const wchar_t* caption, const std::function<int32_t()>& call,
              const std::function<void(HWND)>& drive) {
  DialogRun run;
  DriverContext context{caption, &drive, &run};
  HANDLE thread = CreateThread(nullptr, 0, &DriverMain, &context, 0, nullptr);
  if (thread == nullptr) return run;
  run.result = call();
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return run;
}

HWND Component(HWND window, const wchar_t* name) { return driver::FindComponent(window, name); }

void ClickButton(HWND window, const wchar_t* name) {
  HWND button = Component(window, name);
  if (button != nullptr && driver::WaitEnabled(button, true)) driver::Click(button);
}

void PostClick(HWND window, const wchar_t* name) {
  HWND button = Component(window, name);
  if (button != nullptr && driver::WaitEnabled(button, true)) driver::Click(button, driver::Delivery::kPost);
}

bool WaitShaped(HWND window) {
  return driver::WaitUntil([&] {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(window, region) != ERROR;
    DeleteObject(region);
    return has;
  });
}

void PressKey(HWND window, UINT key) {
  HWND focused = driver::FocusedWindow(window);
  HWND target = focused != nullptr ? focused : window;
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

bool WaitClosed(HWND window, DWORD timeoutMs) {
  return driver::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

Library::Library(const std::wstring& path) {
  const std::string narrow(path.begin(), path.end());
  module_ = LoadLibraryA(narrow.c_str());
}

Library::~Library() {
  if (module_ != nullptr) FreeLibrary(module_);
}

std::wstring StagedFormsFolder() {
  return driver::HostFolder(SUITE_STAGE_DIR) + L"Data\\Tandra_Technology\\Forms\\";
}

std::wstring EvidenceFolder() {
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key) {
  return framework::IniFile::Open(StagedFormsFolder() + L"Texts\\" + language + L".txt")
      .ReadString(section, key, L"");
}

std::wstring CurrentFolder() {
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring folder = current;
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  return folder;
}

bool SameFolder(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) == 0; }

}  // namespace dialog_test
