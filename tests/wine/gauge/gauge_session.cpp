#include "tests/wine/gauge/gauge_session.h"

#include <atomic>

#include "framework/core/ini_file.h"
#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/host/host_installation.h"

namespace gauge_test {
namespace {

constexpr DWORD kAppearTimeoutMs = 10000;

struct DriverContext {
  const wchar_t* caption;
  const Drive* drive;
  DWORD closeTimeoutMs;
  EntryRun* run;
  std::atomic<bool> entryReturned{false};
};

DWORD WINAPI DriverMain(void* parameter) {
  auto* context = static_cast<DriverContext*>(parameter);
  HWND window = nullptr;
  // Watch for the display the whole time, so a call that must not show it can be checked.
  driver::WaitUntil([&] {
    if (FindWindowW(nullptr, kDisplayCaption) != nullptr) context->run->displaySeen = true;
    window = FindWindowW(nullptr, context->caption);
    if (window != nullptr && IsWindowVisible(window)) return true;
    return context->entryReturned.load();
  }, kAppearTimeoutMs);
  if (window == nullptr || !IsWindowVisible(window) || !*context->drive) return 0;
  context->run->appeared = true;
  (*context->drive)(window);
  // A test that failed halfway must not leave the entry blocked for good.
  if (!driver::WaitUntil([&] { return !IsWindowVisible(window); }, context->closeTimeoutMs)) {
    context->run->forcedClosed = true;
    HWND closer = driver::FindComponent(window, L"bt_Close");
    if (closer == nullptr) closer = driver::FindComponent(window, L"bt_OK");
    if (closer != nullptr) driver::Click(closer, driver::Delivery::kPost);
  }
  return 0;
}

}  // namespace

std::wstring StagedFormsFolder() { return driver::HostFolder(SUITE_STAGE_DIR) + L"Data\\Tandra_Technology\\Forms\\"; }
std::wstring StagedGaugeLibrary() { return StagedFormsFolder() + contract::kGaugeLibrary; }

std::wstring EvidenceFolder() {
  const std::wstring folder = driver::HostFolder(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key) {
  return framework::IniFile::Open(StagedFormsFolder() + L"Texts\\" + language + L".txt").ReadString(section, key, L"");
}

GaugeLibrary::GaugeLibrary() : GaugeLibrary(StagedGaugeLibrary()) {}

GaugeLibrary::GaugeLibrary(const std::wstring& path) {
  module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (module_ != nullptr) {
    entry_ = reinterpret_cast<contract::ReturnWavegaugeProc>(
        reinterpret_cast<void*>(GetProcAddress(module_, contract::kReturnWavegauge)));
  }
}

GaugeLibrary::~GaugeLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

PrivateForms::PrivateForms(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring top = std::wstring(temp) + L"gauge-" + name + L"\\";
  driver::DeleteTree(top);
  CreateDirectoryW(top.c_str(), nullptr);
  root_ = top + L"Forms\\";
  CreateDirectoryW(root_.c_str(), nullptr);
  for (const wchar_t* folder : {L"Texts", L"Wavegauge", L"Ackbox", L"Lustrea"}) {
    host_test::CopyTree(StagedFormsFolder() + folder + L"\\", root_ + folder + L"\\");
  }
}

void PrivateForms::Remove(const std::wstring& relativePath) const { DeleteFileW((root_ + relativePath).c_str()); }

void PrivateForms::AppendToLanguageFile(const std::wstring& language, const std::wstring& text) const {
  const std::wstring path = root_ + L"Texts\\" + language + L".txt";
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
}

contract::GaugeParams HostRecord(HWND host, uint8_t receiverPresent, uint16_t languageId) {
  contract::GaugeParams record = {};
  record.head.languageId = languageId;
  record.head.hostWindow = contract::ToWindowField(host);
  record.receiverPresent = receiverPresent;
  return record;
}

EntryRun CallEntry(const GaugeLibrary& library, contract::GaugeParams* record, const wchar_t* caption,
              const Drive& drive, DWORD closeTimeoutMs) {
  EntryRun run;
  if (!library.Loaded()) return run;
  DriverContext context{caption, &drive, closeTimeoutMs, &run};
  HANDLE thread = CreateThread(nullptr, 0, &DriverMain, &context, 0, nullptr);
  if (thread == nullptr) return run;
  run.result = library.Call(record);
  context.entryReturned = true;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return run;
}

HWND Component(HWND form, const wchar_t* name) { return driver::FindComponent(form, name); }

void ClickButton(HWND form, const wchar_t* name) {
  HWND button = Component(form, name);
  driver::WaitEnabled(button, true);
  driver::Click(button);
}

bool PanelVisible(HWND display) { return IsWindowVisible(Component(display, L"pl_RSSI")) != FALSE; }
std::wstring PanelText(HWND display) { return driver::GetText(Component(display, L"pl_RSSI")); }

bool WaitShaped(HWND form) {
  return driver::WaitUntil([&] {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(form, region);
    DeleteObject(region);
    return kind == SIMPLEREGION || kind == COMPLEXREGION;
  });
}

}  // namespace gauge_test
