#include "skin/win32/v_radio_box.h"

#include "skin/win32/check_paint.h"

namespace skin {

void VRadioBox::OnMessage(void* self, UINT message, WPARAM wParam, LPARAM) {
  static_cast<VRadioBox*>(self)->React(message, wParam);
}

void VRadioBox::React(UINT message, WPARAM wParam) {
  if (message == WM_NCDESTROY) control_ = nullptr;
  if (destroying_ || control_ == nullptr || context_ == nullptr) return;
  // BM_SETCHECK too: a radio button of a group loses its check that way.
  if (ReactLikeCheckBox(control_, pointer_, message, wParam) || message == BM_SETCHECK) {
    PaintCheckLike(*context_, control_, pointer_, false, {work_, cell_, cachedOutline_});
  }
}

}  // namespace skin
