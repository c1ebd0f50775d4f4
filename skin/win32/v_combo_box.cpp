#include "skin/win32/v_combo_box.h"

#include "forms/component_props.h"
#include "skin/core/caption_layout.h"
#include "skin/core/cells.h"
#include "skin/core/skin_fallback.h"
#include "skin/core/skin_tag.h"
#include "skin/win32/control_paint.h"
#include "skin/win32/gdi_raii.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

void VComboBox::OnMessage(void* self, UINT message, WPARAM wParam, LPARAM) {
  static_cast<VComboBox*>(self)->React(message, wParam);
}

void VComboBox::React(UINT message, WPARAM wParam) {
  if (message == WM_NCDESTROY) control_ = nullptr;
  if (destroying_ || control_ == nullptr || context_ == nullptr) return;
  if (!ReactLikeCheckBox(control_, pointer_, message, wParam)) return;

  const DibBitmap& skin = context_->engine->Bitmap(ComboSlot(forms::ComponentTag(control_)));
  // Without a usable cell the combo box keeps its own drop-down button.
  if (!DrawsSkin(ControlSkinFault(skin.size(), kKindComboBox, FillStyle::Stretch))) return;
  const Size size = ControlSize(control_);
  work_.SetSize(size.height, size.height);
  if (work_.empty()) return;
  const int cell = ChooseComboCell(IsWindowEnabled(control_) != FALSE, pointer_.pressed, pointer_.hover);
  GraphicEngine::CopySlice(cell, 0, CellWidth(skin.width()), skin.height(), skin, cell_);

  MemoryDC work(work_.handle());
  GraphicEngine::StretchDraw(work.get(), cell_, 0, 0, size.height, size.height);
  const Point at = ComboSquareOrigin(size);
  ControlDC target(control_);
  BitBlt(target.get(), at.x, at.y, size.height, size.height, work.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
