// A text label (STATIC). Transparent by default: it paints what lies under it (the form's colour
// and image components) into itself before its text, so a changed caption never leaves pixels of
// the old one behind. Auto-sized to its text unless switched off.
#pragma once
#include "forms/control.h"

namespace forms {

enum class Alignment { kLeft, kCenter, kRight };
enum class TextLayout { kTop, kCenter, kBottom };

class Label : public Control {
 public:
  Label(Form& owner, const std::wstring& name, const Bounds& bounds = {}, const std::wstring& caption = L"",
        Listing listing = Listing::kListed);

  void SetCaption(const std::wstring& caption) override;
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  // Auto-size keeps the left edge (kLeft), the right edge (kRight) or the centre (kCenter); with
  // word wrap only the height follows the text.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  void SetAlignment(Alignment alignment);
  void SetLayout(TextLayout layout);  // vertical position of the text
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Background when not transparent.
  void SetColor(COLORREF color);

 protected:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void FontChanged() override { AdjustSize(); }

 private:
  void Paint(HDC target);
  UINT DrawFlags() const;
  void AdjustSize();
  void Repaint();

  bool wordWrap_ = false;
  bool autoSize_ = true;
  bool transparent_ = true;
  Alignment alignment_ = Alignment::kLeft;
  TextLayout layout_ = TextLayout::kTop;
  COLORREF color_;
};

}  // namespace forms
