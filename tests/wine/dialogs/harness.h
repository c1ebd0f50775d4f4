// Calling a modal plug-in or dialog entry in this process while a second thread finds its window by
// caption and drives it, as a user would (the entry blocks the calling thread until it closes).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace dialog_test {

struct DialogRun {
  int32_t result = INT32_MIN;
  bool appeared = false;      // the window showed up
  bool forcedClosed = false;  // the drive left it open: the harness closed it
};

// Calls `call` on this thread; once a visible top-level window of this process captioned `caption`
// exists, `drive` runs on a second thread with it. A window still open 8 s after `drive` returned
// is closed, so a failing test never hangs.
DialogRun RunDriven(const wchar_t* caption, const std::function<int32_t()>& call,
              const std::function<void(HWND)>& drive);

// The driver thread's helpers.
HWND Component(HWND window, const wchar_t* name);
void ClickButton(HWND window, const wchar_t* name);
// Posted click, for a click whose handler opens another modal window.
void PostClick(HWND window, const wchar_t* name);
bool WaitShaped(HWND window);
// A key pressed in the focused control of `window`'s thread (WM_KEYDOWN/UP posted there).
void PressKey(HWND window, UINT key);
// Waits until `window` is gone.
bool WaitClosed(HWND window, DWORD timeoutMs = 8000);

// Loads a library by full path with LoadLibraryA (as the callers do) and frees it on destruction.
class Library {
 public:
  explicit Library(const std::wstring& path);
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  bool Loaded() const { return module_ != nullptr; }
  template <typename Proc>
  Proc Entry(const char* name) const {
    return module_ == nullptr ? nullptr
                              : reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_ = nullptr;
};

// The staged Forms folder (Z:-drive path, trailing backslash) and the evidence folder.
std::wstring StagedFormsFolder();
std::wstring EvidenceFolder();
// A text of the staged language file <language>.txt.
std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key);
// The process's current directory with a trailing backslash.
std::wstring CurrentFolder();
bool SameFolder(const std::wstring& a, const std::wstring& b);

}  // namespace dialog_test
