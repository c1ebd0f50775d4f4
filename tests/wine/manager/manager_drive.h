// Driving the manager window from the test's driver thread: its rows, its dialogs, screenshots.
#pragma once
#include <windows.h>

#include <string>

namespace manager_test {

// The window `caption` of process `processId` once visible; null on timeout.
HWND WaitWindow(DWORD processId, const wchar_t* caption, DWORD timeoutMs = 10000);
// A component's text, visibility and check state.
std::wstring TextOf(HWND form, const std::wstring& name);
bool IsShown(HWND form, const std::wstring& name);
bool IsTicked(HWND form, const std::wstring& name);
// A click on a check box or button whose handler only sends the update (no dialog): sent, so it
// returns after the handler.
void ClickNow(HWND form, const std::wstring& name);
// A click whose handler opens a dialog: posted.
void ClickLater(HWND form, const std::wstring& name);
// A left click on a label (posted mouse press and release).
void ClickLabel(HWND form, const std::wstring& name);
// Answers the dialog `caption` (FNotabox, FQuerent, FAckbox) of the process with `button`, after
// setting ed_Text to `text` when given. False when the dialog did not come.
bool Answer(DWORD processId, const wchar_t* caption, const wchar_t* button, const wchar_t* text = nullptr);
// A PNG of the window into the evidence folder `folder` (trailing backslash).
bool Screenshot(HWND window, const std::wstring& path);

}  // namespace manager_test
