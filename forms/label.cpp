#include "forms/label.h"

#include "forms/form.h"

namespace forms {

Label::Label(Form& owner, const std::wstring& name, const Bounds& bounds, const std::wstring& caption,
             Listing listing)
    : Control(owner, name, L"TLabel",
              {L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, bounds, caption, listing}),
      color_(owner.Color()) {
  if (bounds.width <= 0 || bounds.height <= 0) AdjustSize();
}

void Label::SetCaption(const std::wstring& caption) {
  // Through WM_SETTEXT, so that text set by another process takes the same path.
  Control::SetCaption(caption);
}

void Label::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  AdjustSize();
  Repaint();
}

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustSize();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Repaint();
}

void Label::SetLayout(TextLayout layout) {
  layout_ = layout;
  Repaint();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Repaint();
}

void Label::SetColor(COLORREF color) {
  color_ = color;
  Repaint();
}

bool Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (HandleSelfPaint(message, wParam, result, [this](HDC dc) { Paint(dc); })) return true;
  switch (message) {
    case WM_SETTEXT:
      // The static control would repaint itself in its own colours at once; store the text
      // without that and paint the label our way.
      *result = DefWindowProcW(Handle(), message, wParam, lParam);
      AdjustSize();
      Repaint();
      return true;
    case WM_ENABLE:
      *result = CallDefault(message, wParam, lParam);
      Repaint();
      return true;
  }
  return Control::HandleMessage(message, wParam, lParam, result);
}

UINT Label::DrawFlags() const {
  UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (alignment_ == Alignment::kCenter) flags |= DT_CENTER;
  if (alignment_ == Alignment::kRight) flags |= DT_RIGHT;
  return flags;
}

void Label::Paint(HDC target) {
  const Bounds b = GetBounds();
  if (b.width <= 0 || b.height <= 0) return;
  // Compose off-screen, then one copy: no flicker between background and text.
  MemoryDc memory(target);
  BitmapHandle surface(CreateCompatibleBitmap(target, b.width, b.height));
  SelectGuard selectSurface(memory.Get(), surface.Get());
  const RECT area = {b.left, b.top, b.left + b.width, b.top + b.height};
  if (transparent_ && !Orphaned()) {
    Owner().PaintBackground(memory.Get(), area);
  } else {
    BrushHandle brush(CreateSolidBrush(color_));
    const RECT whole = {0, 0, b.width, b.height};
    FillRect(memory.Get(), &whole, brush.Get());
  }

  const std::wstring text = Caption();
  const Font& font = GetFont();
  SelectGuard selectFont(memory.Get(), GdiFont());
  SetBkMode(memory.Get(), TRANSPARENT);
  SetTextColor(memory.Get(), Enabled() ? font.color : GetSysColor(COLOR_GRAYTEXT));
  RECT textRect = {0, 0, b.width, b.height};
  if (layout_ != TextLayout::kTop) {
    RECT measured = textRect;
    DrawTextW(memory.Get(), text.c_str(), static_cast<int>(text.size()), &measured, DrawFlags() | DT_CALCRECT);
    const int spare = b.height - (measured.bottom - measured.top);
    textRect.top += layout_ == TextLayout::kCenter ? spare / 2 : spare;
  }
  DrawTextW(memory.Get(), text.c_str(), static_cast<int>(text.size()), &textRect, DrawFlags());
  BitBlt(target, 0, 0, b.width, b.height, memory.Get(), 0, 0, SRCCOPY);
}

void Label::AdjustSize() {
  if (!autoSize_ || Handle() == nullptr) return;
  const Bounds b = GetBounds();
  std::wstring text = Caption();
  if (text.empty()) text = L" ";  // an empty label keeps one line's height
  WindowDc screen(nullptr);
  SelectGuard selectFont(screen.Get(), GdiFont());
  RECT measured = {0, 0, wordWrap_ ? b.width : 0, 0};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &measured, DrawFlags() | DT_CALCRECT);
  const int width = wordWrap_ ? b.width : measured.right - measured.left;
  const int height = measured.bottom - measured.top;
  int left = b.left;
  if (!wordWrap_ && alignment_ == Alignment::kRight) left = b.left + b.width - width;
  if (!wordWrap_ && alignment_ == Alignment::kCenter) left = b.left + (b.width - width) / 2;
  if (width != b.width || height != b.height || left != b.left) SetBounds(left, b.top, width, height);
}

void Label::Repaint() {
  if (Handle() != nullptr) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace forms
