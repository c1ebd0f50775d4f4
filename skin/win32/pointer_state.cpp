#include "skin/win32/pointer_state.h"

namespace skin {

void RequestMouseLeave(HWND control, PointerState& state) {
  if (state.trackingLeave) return;
  TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, control, 0};
  state.trackingLeave = TrackMouseEvent(&track) != FALSE;
}

void StartTracking(HWND control, PointerState& state) {
  state.focused = control != nullptr && GetFocus() == control;
  state.uiState = control != nullptr ? static_cast<WORD>(SendMessageW(control, WM_QUERYUISTATE, 0, 0)) : 0;
}

bool TrackFocus(PointerState& state, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SETFOCUS:
      state.focused = true;
      return true;
    case WM_KILLFOCUS:
      state.focused = false;
      return true;
    case WM_UPDATEUISTATE: {
      // Kept here as well as by the system: not every system answers WM_QUERYUISTATE.
      const WORD flags = HIWORD(wParam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL | UISF_ACTIVE);
      if (LOWORD(wParam) == UIS_SET) state.uiState |= flags;
      if (LOWORD(wParam) == UIS_CLEAR) state.uiState &= static_cast<WORD>(~flags);
      return true;
    }
    default:
      return false;
  }
}

bool FocusCueVisible(const PointerState& state) {
  return state.focused && (state.uiState & UISF_HIDEFOCUS) == 0;
}

bool ReactLikeCheckBox(HWND control, PointerState& state, UINT message, WPARAM wParam) {
  if (TrackFocus(state, message, wParam)) return true;
  switch (message) {
    case WM_SIZE: case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case WM_SETTEXT:
    case WM_PAINT: case WM_ERASEBKGND: case WM_KEYDOWN: case WM_KEYUP: case WM_LBUTTONDBLCLK:
      return true;
    case BM_SETSTATE:
      state.pressed = wParam != 0;
      return true;
    case WM_MOUSEMOVE:
      state.hover = true;
      RequestMouseLeave(control, state);
      return true;
    case WM_LBUTTONDOWN:
      state.pressed = true;
      return true;
    case WM_LBUTTONUP:
      state.pressed = false;
      return true;
    case WM_MOUSELEAVE:
      state.hover = false;
      state.trackingLeave = false;
      return true;
    default:
      return false;
  }
}

}  // namespace skin
