// Dragging a borderless window by any point of it: release the mouse capture, then send the
// top-level window WM_SYSCOMMAND 0xF012 (SC_MOVE with the caption hit code). One function for
// forms, labels and images alike.
#pragma once
#include <windows.h>

#include "forms/basics.h"

namespace forms {

class Form;

inline constexpr WPARAM kMoveByCaption = 0xF012;

// Starts the drag of the top-level window that contains `window`.
void DragWindow(HWND window);
// A mouse-down handler that drags `form` on the left button and ignores the others.
MouseHandler DragHandler(const Form& form);

}  // namespace forms
