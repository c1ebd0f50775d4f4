// A drop-down list (COMBOBOX, CBS_DROPDOWNLIST). Height is the closed control's height; the list
// opens below it.
#pragma once
#include <string>

#include "forms/control.h"

namespace forms {

class ComboBox : public Control {
 public:
  ComboBox(Form& owner, const std::wstring& name, const Bounds& bounds = {});

  void SetBounds(int left, int top, int width, int height) override;
  using Control::SetBounds;

  void AddItem(const std::wstring& item);
  void Clear();
  int Count() const;
  std::wstring Item(int index) const;  // empty outside 0..Count()-1
  int ItemIndex() const;               // -1 without a selection
  void SetItemIndex(int index);        // -1 clears; no OnChange, as with the standard control

  NotifyHandler OnChange;  // the user picked another item

 private:
  void Command(WORD code) override;
};

}  // namespace forms
