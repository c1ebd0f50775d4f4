#include "tests/wine/manager/fake_host.h"

#include "plugins/manager/core/device_slots.h"
#include "tests/wine/driver/files.h"
#include "tests/wine/host/host_installation.h"

namespace manager_test {
namespace {

constexpr wchar_t kClassName[] = L"ManagerTestHost";
FakeHost* current = nullptr;  // the one fake host of the test thread

}  // namespace

FakeHost::FakeHost() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &FakeHost::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kClassName, L"TandraTechnology test host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  insertMessage_ = RegisterWindowMessageW(contract::kManagerInsert);
  current = this;
  for (int slot = 1; slot <= manager::kSlots; ++slot) {
    manager::EmptySlot(table, manager::Kind::kMouse, slot);
    manager::EmptySlot(table, manager::Kind::kKeyboard, slot);
  }
  params.head.languageId = 1033;
  params.head.hostWindow = contract::ToWindowField(window_);
  params.receiverCount = 1;
  params.selectedReceiver = 0;
  params.displayMode = contract::kShowMouseNames;
  params.tables = &table;
  params.secondTable = &second;
}

FakeHost::~FakeHost() {
  current = nullptr;
  DestroyWindow(window_);
}

void FakeHost::PutMouse(int slot, int32_t id, const std::wstring& name) {
  manager::SlotId(table, manager::Kind::kMouse, slot) = id;
  manager::SetName(table, manager::Kind::kMouse, slot, name);
}

void FakeHost::PutKeyboard(int slot, int32_t id, const std::wstring& name) {
  manager::SlotId(table, manager::Kind::kKeyboard, slot) = id;
  manager::SetName(table, manager::Kind::kKeyboard, slot, name);
}

LRESULT CALLBACK FakeHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (current != nullptr && message == current->insertMessage_ && message != 0) {
    const auto* accepted = reinterpret_cast<const contract::TCorvilManagerParams*>(wParam);
    const auto* wanted = reinterpret_cast<const contract::TCorvilManagerParams*>(lParam);
    current->inserts.push_back({*accepted->tables, *wanted->tables, wanted->displayMode});
    return current->answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

dialog_test::DialogRun FakeHost::Open(const std::wstring& pluginPath, const std::function<void(HWND)>& drive) {
  dialog_test::Library library(pluginPath);
  const auto entry = library.Entry<contract::ReturnCorvilManagerProc>(contract::kReturnCorvilManager);
  if (entry == nullptr) return {};
  return dialog_test::RunDriven(L"FCorvilManager", [&] { return entry(&params); }, drive);
}

FormsCopy::FormsCopy(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring top = std::wstring(temp) + L"manager-" + name + L"\\";
  CreateDirectoryW(top.c_str(), nullptr);
  driver::DeleteTree(top);
  root_ = top + L"Forms\\";
  CreateDirectoryW(root_.c_str(), nullptr);
  const std::wstring staged = dialog_test::StagedFormsFolder();
  for (const wchar_t* folder : {L"Texts", L"CorvilManager", L"Lustrea", L"Ackbox", L"Notabox", L"Querent"}) {
    host_test::CopyTree(staged + folder + L"\\", root_ + folder + L"\\");
  }
}

void FormsCopy::Remove(const std::wstring& relativePath) const { DeleteFileW((root_ + relativePath).c_str()); }

void FormsCopy::Write(const std::wstring& relativePath, const std::string& bytes) const {
  driver::WriteFileBytes(root_ + relativePath, bytes);
}

}  // namespace manager_test
