#include "skin/win32/v_button.h"

#include "forms/component_props.h"
#include "skin/core/caption_layout.h"
#include "skin/core/cells.h"
#include "skin/core/focus_cue.h"
#include "skin/core/skin_fallback.h"
#include "skin/core/skin_names.h"
#include "skin/core/skin_tag.h"
#include "skin/win32/control_paint.h"
#include "skin/win32/focus_cue_paint.h"
#include "skin/win32/gdi_raii.h"
#include "skin/win32/graphic_engine.h"

namespace skin {

void VButton::OnMessage(void* self, UINT message, WPARAM wParam, LPARAM) {
  static_cast<VButton*>(self)->React(message, wParam);
}

void VButton::React(UINT message, WPARAM wParam) {
  repaint_ = false;
  if (message == WM_NCDESTROY) control_ = nullptr;
  if (destroying_ || control_ == nullptr || context_ == nullptr) return;
  if (TrackFocus(pointer_, message, wParam)) repaint_ = true;
  switch (message) {
    case WM_SIZE: case WM_ENABLE: case WM_SETTEXT:
    case WM_PAINT: case WM_ERASEBKGND: case WM_KEYDOWN: case WM_KEYUP: case WM_NCPAINT:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP:
      repaint_ = true;
      break;
    case BM_SETSTATE:
      pointer_.pressed = wParam != 0;
      repaint_ = true;
      break;
    case WM_MOUSEMOVE:
      pointer_.hover = true;
      RequestMouseLeave(control_, pointer_);
      repaint_ = true;
      break;
    case WM_MOUSELEAVE:
      pointer_.hover = false;
      pointer_.trackingLeave = false;
      repaint_ = true;
      break;
    default:
      break;
  }
  if (repaint_) Paint();
}

void VButton::Paint() {
  if (painting_) return;  // the outer paint finishes with the final size
  painting_ = true;
  const SkinTag tag = DecodeSkinTag(forms::ComponentTag(control_));
  const DibBitmap& skin = context_->engine->Bitmap(tag.slot);
  if (!DrawsSkin(ControlSkinFault(skin.size(), kKindButton, tag.fill))) {
    // The standard button has drawn itself with its name: keep its bounds and leave it whole.
    ReleaseOutline(control_, cachedOutline_);
    painting_ = false;
    return;
  }
  ButtonCellChoice choice =
      ChooseButtonCell(IsWindowEnabled(control_) != FALSE, pointer_.pressed, tag.forcedDown, pointer_.hover);
  GraphicEngine::CopySlice(choice.cell, 0, CellWidth(skin.width()), skin.height(), skin, cell_);

  // A plain button takes its size from its bitmap, in the normal state only.
  if (tag.fill == FillStyle::Plain && choice.cell == 0) {
    const Size size = ControlSize(control_);
    if (size.width != cell_.width() || size.height != cell_.height()) {
      SetWindowPos(control_, nullptr, 0, 0, cell_.width(), cell_.height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  const Size size = ControlSize(control_);
  work_.SetSize(size.width, size.height);
  if (work_.empty()) {
    painting_ = false;
    return;
  }

  MemoryDC work(work_.handle());
  switch (tag.fill) {
    case FillStyle::Stretch:
      GraphicEngine::StretchDraw(work.get(), cell_, 0, 0, size.width, size.height);
      break;
    case FillStyle::NineGrid:
      GraphicEngine::DrawNineGrid(work.get(), cell_, 0, 0, size.width, size.height);
      break;
    case FillStyle::Plain:
      GraphicEngine::Draw(work.get(), cell_, 0, 0);
      break;
    case FillStyle::NineGridWithTextColour:
      GraphicEngine::DrawNineGridWithTextColour(work.get(), cell_, choice.textColour);
      break;
    case FillStyle::Unknown:
      break;
  }

  const std::wstring caption = ControlCaption(control_);
  if (SkinDrawsCaption(caption, context_->engine->SlotName(tag.slot), assignedName_)) {
    SelectionGuard font(work.get(), ControlFont(control_));
    SetBkMode(work.get(), TRANSPARENT);
    SetTextColor(work.get(),
                 CaptionColour(choice.textColour, ControlFontColour(control_), GetSysColor(COLOR_BTNTEXT)));
    const Point at = ButtonCaptionOrigin(size, TextSize(work.get(), caption), pointer_.pressed);
    GraphicEngine::DrawAnsiText(work.get(), caption, at.x, at.y);
  }
  if (FocusCueVisible(pointer_)) {
    DrawFocusCue(work_, Rect{0, 0, size.width, size.height}, FocusCueInset(size),
                 tag.output != OutputMode::Copy);
  }
  OutputWork(control_, work_, work.get(), tag.output, cachedOutline_);
  painting_ = false;
}

}  // namespace skin
