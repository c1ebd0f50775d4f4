// A raised box with its own background colour and a caption centred in it (STATIC, painted by the
// panel). Not a container: other controls are children of the form, as everywhere in the layer.
#pragma once
#include "forms/control.h"

namespace forms {

class Panel : public Control {
 public:
  Panel(Form& owner, const std::wstring& name, const Bounds& bounds = {}, const std::wstring& caption = L"");

  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  // Flat: a one-pixel frame instead of the raised edge.
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

 protected:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void Paint(HDC dc);
  COLORREF color_;
  bool flat_ = false;
};

}  // namespace forms
