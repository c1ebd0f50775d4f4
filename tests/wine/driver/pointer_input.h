// Real user input through the system's input queue (SendInput): the pointer moves to a screen point
// and the left button goes down and up there, so the click reaches whatever window the system finds
// under that point by its own hit testing, window regions included. Keys go to the focused window.
#pragma once
#include <windows.h>

namespace driver {

// Moves the pointer to `screen`, waits for the move to land, then presses and releases the left
// button. True when the system took the input.
bool ClickAt(POINT screen);
// The centre of the window's rectangle.
POINT CentreOf(HWND window);
// The window the system would hand a click at `screen` to (WindowFromPoint).
HWND WindowAt(POINT screen);
// One key press and release; with shift held when asked.
bool PressKey(WORD virtualKey, bool shift = false);

}  // namespace driver
