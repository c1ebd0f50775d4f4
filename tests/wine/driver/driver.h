// Driving another process's windows: find them by caption and by the component properties, read
// and set texts, click, and wait for states. All calls work across processes; waits poll.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace driver {

inline constexpr DWORD kDefaultTimeoutMs = 10000;

// Polls `condition` every 20 ms until it holds or the timeout passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// A top-level window with this caption (FindWindowW), waiting for it to appear; null on timeout.
HWND FindTopWindow(const std::wstring& caption, DWORD timeoutMs = kDefaultTimeoutMs);
// Same, limited to windows of the given process (two runs may show equal captions).
HWND FindTopWindowOfProcess(DWORD processId, const std::wstring& caption, DWORD timeoutMs = kDefaultTimeoutMs);
// A visible top-level form of the process by its form name (the "ComponentName" of the form's
// window), for forms whose caption depends on the language; null on timeout.
HWND FindFormOfProcess(DWORD processId, const std::wstring& formName, DWORD timeoutMs = kDefaultTimeoutMs);
// The descendant of `root` whose "ComponentName" property is `name`; null when there is none.
HWND FindComponent(HWND root, const std::wstring& name);
// The direct children of a window in z-order (GW_CHILD, GW_HWNDNEXT).
std::vector<HWND> Children(HWND parent);

// Component properties (global atoms and integers, readable from any process).
std::wstring ComponentName(HWND window);
std::wstring ComponentClass(HWND window);
int ComponentTag(HWND window);
std::wstring WindowClassName(HWND window);

std::wstring GetText(HWND window);  // WM_GETTEXT
// UTF-8 of a window text, for printing what a tour saw.
std::string Utf8(const std::wstring& text);
bool SetText(HWND window, const std::wstring& text);  // WM_SETTEXT, sent
// BM_CLICK. Sent: returns after the click handler ran. Posted: returns at once (needed when the
// handler opens a modal window, which would block a sent message until it closes).
enum class Delivery { kSend, kPost };
void Click(HWND button, Delivery delivery = Delivery::kSend);
bool IsChecked(HWND button);  // BM_GETCHECK == BST_CHECKED
bool WaitEnabled(HWND window, bool enabled, DWORD timeoutMs = kDefaultTimeoutMs);
bool WaitVisible(HWND window, bool visible, DWORD timeoutMs = kDefaultTimeoutMs);
bool WaitText(HWND window, const std::wstring& text, DWORD timeoutMs = kDefaultTimeoutMs);
RECT WindowRect(HWND window);  // screen coordinates
// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusedWindow(HWND window);
// Posts WM_CLOSE.
void Close(HWND window);

}  // namespace driver
