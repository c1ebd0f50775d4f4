// Calling the real CorvilForm.dll in the test process, as the host does, while a second thread finds
// the step windows by caption and drives them by component name (the entry blocks the calling
// thread until the wizard ends).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "framework/core/plugin_contract.h"

namespace wizard_test {

// A private copy of the wizard's part of the installed Forms tree for one test:
//   <temp>\wizard-<name>\Forms\{CorvilForm\..., Lustrea\Lustrea.dll, Texts\*.txt}
// with the bitmap folders of the given languages only (English always).
class FormsTree {
 public:
  FormsTree(const std::wstring& name, std::initializer_list<const wchar_t*> languages = {});

  std::wstring FormsRoot() const { return root_; }
  std::wstring PluginFolder() const { return root_ + L"CorvilForm\\"; }
  std::wstring PluginPath() const { return PluginFolder() + L"CorvilForm.dll"; }
  // Replaces a file below the forms root with UTF-8 text (the INI reader takes UTF-8).
  void WriteText(const std::wstring& relativePath, const std::string& utf8) const;

 private:
  std::wstring root_;
};

std::wstring StagedFormsFolder();
std::wstring EvidenceFolder();  // created on demand
// A text of the staged language file <language>.txt ("" when absent).
std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key);

// The library, loaded by full path for one or more calls.
class WizardLibrary {
 public:
  explicit WizardLibrary(const std::wstring& path);
  ~WizardLibrary();
  WizardLibrary(const WizardLibrary&) = delete;
  WizardLibrary& operator=(const WizardLibrary&) = delete;

  bool Loaded() const { return entry_ != nullptr; }
  int32_t Call(contract::WizardParams* record) const { return entry_(record); }
  // The exported step-form variable _FCorvilStep<step>, as its address in the library.
  void* const* StepVariable(int step) const;

 private:
  HMODULE module_ = nullptr;
  contract::ReturnCorvilFormProc entry_ = nullptr;
};

contract::WizardParams MakeRecord(uint16_t languageId, HWND host, int32_t previousDeviceType);

struct WizardRun {
  int32_t result = -1;
  bool forcedClosed = false;  // `drive` left a step open: the runner closed it
};

// Calls the entry on this thread; `drive` runs on a second thread at once.
WizardRun RunWizard(const WizardLibrary& library, contract::WizardParams* record, const std::function<void()>& drive);

// Driver helpers for use inside `drive`.
// The visible window of step 1..4 of this process; null on timeout.
HWND WaitStep(int step, DWORD timeoutMs = 10000);
bool WaitStepHidden(int step, DWORD timeoutMs = 10000);
HWND Part(HWND step, const wchar_t* name);
// Clicks a component once it is enabled; false when it is missing.
bool Press(HWND step, const wchar_t* name);
std::wstring TextOf(HWND step, const wchar_t* name);
bool Checked(HWND step, const wchar_t* name);
bool IsShown(HWND step, const wchar_t* name);

std::wstring Utf16(const char* text);

}  // namespace wizard_test
