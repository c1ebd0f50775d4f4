// The host's side of the manager's contract, played in the test process: a window that answers
// AM_CorvilManager_Insert (0, or -1 to refuse) and records every request, and the parameter block
// with its table, handed to return_CorvilManager in this process.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/plugin_contract.h"
#include "tests/wine/dialogs/harness.h"

namespace manager_test {

struct Insert {
  host::TPairedDeviceTable accepted;
  host::TPairedDeviceTable wanted;
  int32_t wantedMode;
};

class FakeHost {
 public:
  FakeHost();
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  // Device `id` (with bit 23 for a disabled one) and its name in slot 1..5.
  void PutMouse(int slot, int32_t id, const std::wstring& name = L"");
  void PutKeyboard(int slot, int32_t id, const std::wstring& name = L"");

  // Calls return_CorvilManager of `pluginPath` with the block while `drive` runs on a second thread
  // with the manager window.
  dialog_test::DialogRun Open(const std::wstring& pluginPath, const std::function<void(HWND)>& drive);

  contract::TCorvilManagerParams params{};
  host::TPairedDeviceTable table{};
  host::TPairedDeviceTable second{};
  std::vector<Insert> inserts;
  int32_t answer = 0;  // -1 refuses

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  UINT insertMessage_ = 0;
};

// A private Forms tree for one test with the manager, the dialogs and the texts, so that a test can
// take files away: <temp>\manager-<name>\Forms\...
class FormsCopy {
 public:
  explicit FormsCopy(const std::wstring& name);
  std::wstring Root() const { return root_; }
  std::wstring PluginPath() const { return root_ + L"CorvilManager\\CorvilManager.dll"; }
  void Remove(const std::wstring& relativePath) const;
  void Write(const std::wstring& relativePath, const std::string& bytes) const;

 private:
  std::wstring root_;
};

}  // namespace manager_test
