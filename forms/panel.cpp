#include "forms/panel.h"

namespace forms {

Panel::Panel(Form& owner, const std::wstring& name, const Bounds& bounds, const std::wstring& caption)
    : Control(owner, name, L"TPanel", {L"STATIC", SS_NOTIFY | SS_NOPREFIX, 0, bounds, caption}),
      color_(GetSysColor(COLOR_BTNFACE)) {}

void Panel::SetColor(COLORREF color) {
  color_ = color;
  Invalidate();
}

void Panel::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

bool Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (HandleSelfPaint(message, wParam, result, [this](HDC dc) { Paint(dc); })) return true;
  switch (message) {
    case WM_SETTEXT:
      // Store the text without the static's own immediate repaint, then paint the panel's way.
      *result = DefWindowProcW(Handle(), message, wParam, lParam);
      RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return true;
  }
  return Control::HandleMessage(message, wParam, lParam, result);
}

void Panel::Paint(HDC dc) {
  RECT area = {0, 0, Width(), Height()};
  BrushHandle brush(CreateSolidBrush(color_));
  FillRect(dc, &area, brush.Get());
  if (flat_) {
    BrushHandle frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    FrameRect(dc, &area, frame.Get());
  } else {
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }
  const std::wstring text = Caption();
  SelectGuard selectFont(dc, GdiFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Enabled() ? GetFont().color : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace forms
