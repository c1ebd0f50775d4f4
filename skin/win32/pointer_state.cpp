#include "skin/win32/pointer_state.h"

namespace skin {

void RequestMouseLeave(HWND control, PointerState& state) {
  if (state.trackingLeave) return;
  TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, control, 0};
  state.trackingLeave = TrackMouseEvent(&track) != FALSE;
}

bool ReactLikeCheckBox(HWND control, PointerState& state, UINT message, WPARAM wParam) {
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
