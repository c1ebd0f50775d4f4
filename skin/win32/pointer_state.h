// Hover and pressed state of a skinned control, and the message table that check boxes, radio
// buttons and combo boxes share.
#pragma once
#include <windows.h>

namespace skin {

struct PointerState {
  bool hover = false;
  bool pressed = false;
  bool trackingLeave = false;  // WM_MOUSELEAVE requested for the current hover
  bool focused = false;        // between WM_SETFOCUS and WM_KILLFOCUS
  WORD uiState = 0;            // UISF_ flags as WM_UPDATEUISTATE left them
};

// The control's focus and UI state when a skin takes it over.
void StartTracking(HWND control, PointerState& state);
// Follows the keyboard focus (WM_SETFOCUS / WM_KILLFOCUS) and the UI state (WM_UPDATEUISTATE, which
// the system sends down from the form when the user starts or stops working with the keyboard);
// true for the messages that change whether the focus cue shows.
bool TrackFocus(PointerState& state, UINT message, WPARAM wParam);
// Whether the control shows its focus cue: focused, and UISF_HIDEFOCUS not set, as standard controls
// draw their focus rectangle.
bool FocusCueVisible(const PointerState& state);

// Asks for WM_MOUSELEAVE once per hover, so that hover ends when the pointer leaves.
void RequestMouseLeave(HWND control, PointerState& state);

// Updates the state for the check box / combo box table; true when the message calls for a paint.
// Radio buttons add BM_SETCHECK themselves.
bool ReactLikeCheckBox(HWND control, PointerState& state, UINT message, WPARAM wParam);

}  // namespace skin
