// Sits above a window of this process the way another module's hook sits on a form (the skin
// library subclasses its form on top of whatever procedure the form has), and notes whether that
// window's last message, WM_NCDESTROY, still reached it. A form that cuts hooks out before its
// window goes leaves them blind: the skin would never free its bitmaps.
#pragma once
#include <windows.h>

namespace driver {

// Subclasses `window` (any thread of this process) from now on.
void WatchTeardown(HWND window);
// Whether the watched window's WM_NCDESTROY passed the watch (then the watch is gone with it).
bool SawTeardown(HWND window);

}  // namespace driver
