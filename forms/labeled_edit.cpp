#include "forms/labeled_edit.h"

namespace forms {

LabeledEdit::LabeledEdit(Form& owner, const std::wstring& name, const Bounds& bounds,
                         const std::wstring& labelCaption)
    : Edit(owner, name, L"TLabeledEdit", bounds, L""),
      label_(owner, name + L".EditLabel", {bounds.left, bounds.top, 0, 0}, labelCaption, Listing::kUnlisted) {
  // Right-aligned auto-size keeps the label's right edge against the edit when its caption changes.
  label_.SetAlignment(Alignment::kRight);
  PlaceLabel();
}

void LabeledEdit::SetBounds(int left, int top, int width, int height) {
  Edit::SetBounds(left, top, width, height);
  PlaceLabel();
}

void LabeledEdit::SetVisible(bool visible) {
  Edit::SetVisible(visible);
  label_.SetVisible(visible);
}

bool LabeledEdit::SetName(const std::wstring& name) {
  const std::wstring labelName = name + L".EditLabel";
  if (labelName.size() > kMaxNameLength || !Edit::SetName(name)) return false;
  return label_.SetName(labelName);
}

void LabeledEdit::PlaceLabel() {
  const Bounds edit = GetBounds();
  const Bounds label = label_.GetBounds();
  label_.SetBounds(edit.left - kLabelSpacing - label.width, edit.top + (edit.height - label.height) / 2,
                   label.width, label.height);
}

}  // namespace forms
