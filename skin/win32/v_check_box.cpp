#include "skin/win32/v_check_box.h"

#include "skin/core/skin_names.h"
#include "skin/win32/check_paint.h"
#include "skin/win32/control_paint.h"

namespace skin {

void VCheckBox::OnMessage(void* self, UINT message, WPARAM wParam, LPARAM) {
  static_cast<VCheckBox*>(self)->React(message, wParam);
}

void VCheckBox::React(UINT message, WPARAM wParam) {
  if (message == WM_NCDESTROY) control_ = nullptr;
  if (destroying_ || control_ == nullptr || context_ == nullptr) return;
  if (ReactLikeCheckBox(control_, pointer_, message, wParam)) {
    const bool drawCaption = SkinDrawsCaption(ControlCaption(control_), std::wstring(), assignedName_);
    PaintCheckLike(*context_, control_, pointer_, drawCaption, {work_, cell_, cachedOutline_});
  }
}

}  // namespace skin
