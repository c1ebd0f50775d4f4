#include "forms/drag.h"

#include "forms/form.h"

namespace forms {

void DragWindow(HWND window) {
  HWND topLevel = GetAncestor(window, GA_ROOT);
  if (topLevel == nullptr) return;
  ReleaseCapture();
  SendMessageW(topLevel, WM_SYSCOMMAND, kMoveByCaption, 0);
}

MouseHandler DragHandler(const Form& form) {
  const Form* target = &form;
  return [target](MouseButton button, int, int) {
    if (button == MouseButton::kLeft) DragWindow(target->Handle());
  };
}

}  // namespace forms
