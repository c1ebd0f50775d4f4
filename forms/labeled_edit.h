// An edit with its own label on the left ("label on the left"). The edit window carries the
// component properties with class "TLabeledEdit"; the label is a Label named <name>.EditLabel,
// right-aligned 3 pixels before the edit and centred on it vertically. The label belongs to the
// labelled edit: it is not one of the form's Components().
#pragma once
#include "forms/edit.h"
#include "forms/label.h"

namespace forms {

class LabeledEdit : public Edit {
 public:
  static constexpr int kLabelSpacing = 3;

  LabeledEdit(Form& owner, const std::wstring& name, const Bounds& bounds = {},
              const std::wstring& labelCaption = L"");

  Label& EditLabel() { return label_; }
  void SetBounds(int left, int top, int width, int height) override;
  using Control::SetBounds;
  void SetVisible(bool visible) override;
  bool SetName(const std::wstring& name) override;  // renames the label too

 private:
  void PlaceLabel();
  Label label_;
};

}  // namespace forms
