#include "tests/wine/ackbox/dialog_runner.h"

#include "tests/wine/driver/driver.h"

namespace ackbox_test {
namespace {

constexpr wchar_t kDialogCaption[] = L"FAckbox";
constexpr DWORD kAppearTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 5000;

struct DriverThread {
  const DriveDialog* drive;
  DialogRun* run;
};

DWORD WINAPI DriverMain(void* parameter) {
  auto* context = static_cast<DriverThread*>(parameter);
  HWND dialog = driver::FindTopWindowOfProcess(GetCurrentProcessId(), kDialogCaption, kAppearTimeoutMs);
  if (dialog == nullptr || !driver::WaitVisible(dialog, true, kAppearTimeoutMs)) return 0;
  context->run->appeared = true;
  (*context->drive)(dialog);
  // A test that failed halfway must not leave the entry blocked for good.
  if (!driver::WaitUntil([&] { return !IsWindow(dialog); }, kCloseTimeoutMs)) {
    context->run->forcedClosed = true;
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  }
  return 0;
}

}  // namespace

Plugin::Plugin(const std::wstring& path) {
  // LoadLibraryA, as the callers load it.
  const std::string narrow(path.begin(), path.end());
  module_ = LoadLibraryA(narrow.c_str());
  if (module_ != nullptr) {
    entry_ = reinterpret_cast<ackbox::ReturnAckboxProc>(
        reinterpret_cast<void*>(GetProcAddress(module_, ackbox::kReturnAckboxName)));
  }
}

Plugin::~Plugin() {
  if (module_ != nullptr) FreeLibrary(module_);
}

DialogRun ShowDialog(const Plugin& plugin, uint32_t languageId, const wchar_t* message, const DriveDialog& drive) {
  DialogRun run;
  if (!plugin.Loaded()) return run;
  DriverThread context{&drive, &run};
  HANDLE thread = CreateThread(nullptr, 0, &DriverMain, &context, 0, nullptr);
  if (thread == nullptr) return run;
  run.result = plugin.Call(languageId, message);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return run;
}

HWND Component(HWND dialog, const wchar_t* name) { return driver::FindComponent(dialog, name); }

void ClickButton(HWND dialog, const wchar_t* name) {
  HWND button = Component(dialog, name);
  if (button != nullptr && driver::WaitEnabled(button, true)) driver::Click(button);
}

bool HasRegion(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(window, region) != ERROR;
  DeleteObject(region);
  return has;
}

bool WaitShaped(HWND dialog) { return driver::WaitUntil([&] { return HasRegion(dialog); }); }

bool RegionContains(HWND window, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool inside = GetWindowRgn(window, region) != ERROR && PtInRegion(region, x, y);
  DeleteObject(region);
  return inside;
}

RECT RectInDialog(HWND dialog, HWND component) {
  const RECT outer = driver::WindowRect(dialog);
  RECT rect = driver::WindowRect(component);
  OffsetRect(&rect, -outer.left, -outer.top);
  return rect;
}

}  // namespace ackbox_test
