// Hover and pressed state of a skinned control, and the message table that check boxes, radio
// buttons and combo boxes share.
#pragma once
#include <windows.h>

namespace skin {

struct PointerState {
  bool hover = false;
  bool pressed = false;
  bool trackingLeave = false;  // WM_MOUSELEAVE requested for the current hover
};

// Asks for WM_MOUSELEAVE once per hover, so that hover ends when the pointer leaves.
void RequestMouseLeave(HWND control, PointerState& state);

// Updates the state for the check box / combo box table; true when the message calls for a paint.
// Radio buttons add BM_SETCHECK themselves.
bool ReactLikeCheckBox(HWND control, PointerState& state, UINT message, WPARAM wParam);

}  // namespace skin
