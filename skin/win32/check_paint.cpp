#include "skin/win32/check_paint.h"

#include "forms/component_props.h"
#include "skin/core/caption_layout.h"
#include "skin/core/cells.h"
#include "skin/core/focus_cue.h"
#include "skin/core/skin_fallback.h"
#include "skin/core/skin_tag.h"
#include "skin/win32/control_paint.h"
#include "skin/win32/focus_cue_paint.h"
#include "skin/win32/gdi_raii.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

void PaintCheckLike(const SkinContext& context, HWND control, const PointerState& pointer,
                    bool drawCaption, CheckPaintParts parts) {
  const SkinTag tag = DecodeSkinTag(forms::ComponentTag(control));
  const DibBitmap& skin = context.engine->Bitmap(tag.slot);
  if (!DrawsSkin(ControlSkinFault(skin.size(), kKindCheckBox, tag.fill))) {
    // The standard control has drawn its own box and caption: keep it whole.
    ReleaseOutline(control, parts.cachedOutline);
    return;
  }
  const Size size = ControlSize(control);
  parts.work.SetSize(size.width, size.height);
  if (parts.work.empty()) return;
  MemoryDC work(parts.work.handle());

  RECT all = {0, 0, size.width, size.height};
  SetDCBrushColor(work.get(), context.FormColour());
  FillRect(work.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

  // BST_INDETERMINATE (grayed) counts as not checked.
  const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const int cell = ChooseCheckCell(checked, pointer.hover);
  GraphicEngine::CopySlice(cell, 0, CellWidth(skin.width()), skin.height(), skin, parts.cell);
  GraphicEngine::Draw(work.get(), parts.cell, 0, 0);

  const bool cue = FocusCueVisible(pointer);
  Rect cueAround{0, 0, parts.cell.width(), parts.cell.height()};
  int cueInset = 2;  // inside the box, clear of a round radio button's edge
  if (drawCaption) {
    const std::wstring caption = ControlCaption(control);
    if (!caption.empty()) {
      cueInset = 0;
      SelectionGuard font(work.get(), ControlFont(control));
      SetBkMode(work.get(), TRANSPARENT);
      SetTextColor(work.get(), IsWindowEnabled(control)
                                   ? CaptionColour(std::nullopt, ControlFontColour(control), GetSysColor(COLOR_WINDOWTEXT))
                                   : COLORREF{kDisabledCheckText});
      const Rect box = CheckCaptionRect(skin.width(), size.height, TextSize(work.get(), caption));
      RECT rect = {box.left, box.top, box.right, box.bottom};
      DrawTextW(work.get(), caption.c_str(), static_cast<int>(caption.size()), &rect, DT_NOCLIP);
      // Around the caption, as the system draws it.
      cueAround = Rect{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
    }
  }
  if (cue) DrawFocusCue(parts.work, cueAround, cueInset, tag.output != OutputMode::Copy);
  OutputWork(control, parts.work, work.get(), tag.output, parts.cachedOutline);
}

}  // namespace skin
