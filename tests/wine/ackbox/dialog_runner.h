// Calling the real Ackbox.dll as its callers do, while a second thread of the test finds the dialog
// window and drives it (the entry blocks this thread until the dialog closes).
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "plugins/confirm/ackbox_entry.h"

namespace ackbox_test {

// The library loaded for one or more calls, freed on destruction.
class Plugin {
 public:
  explicit Plugin(const std::wstring& path);
  ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  bool Loaded() const { return entry_ != nullptr; }
  HMODULE Module() const { return module_; }
  int32_t Call(uint32_t languageId, const wchar_t* message) const { return entry_(languageId, message, 0); }

 private:
  HMODULE module_ = nullptr;
  ackbox::ReturnAckboxProc entry_ = nullptr;
};

// Runs on the driver thread with the visible dialog window. Record what you see; assert afterwards
// on the test thread.
using DriveDialog = std::function<void(HWND dialog)>;

struct DialogRun {
  int32_t result = -1;
  bool appeared = false;       // the dialog window showed up
  bool forcedClosed = false;   // `drive` left it open: the runner closed it
};

// Calls the entry on this thread; `drive` runs on a second thread once the dialog is visible.
DialogRun ShowDialog(const Plugin& plugin, uint32_t languageId, const wchar_t* message, const DriveDialog& drive);

// Driver helpers, for use inside DriveDialog.
HWND Component(HWND dialog, const wchar_t* name);
void ClickButton(HWND dialog, const wchar_t* name);
bool WaitShaped(HWND dialog);  // the first activation has cut the window to its outline
bool HasRegion(HWND window);
// A point of the window region (window coordinates)?
bool RegionContains(HWND window, int x, int y);
// Window rectangle of a component relative to the dialog's top-left corner.
RECT RectInDialog(HWND dialog, HWND component);

}  // namespace ackbox_test

// For comparing and printing rectangles in expectations (RECT lives in the global namespace).
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
