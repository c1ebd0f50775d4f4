// One skinned control of a Lustrea: the control skin of its kind (0 button, 2 check box, 3 radio
// button, 12 combo box); any other kind has none.
#pragma once
#include <windows.h>

#include <string>
#include <variant>

#include "skin/win32/skin_context.h"
#include "skin/win32/v_button.h"
#include "skin/win32/v_check_box.h"
#include "skin/win32/v_combo_box.h"
#include "skin/win32/v_radio_box.h"

namespace skin {

class VSubClass {
 public:
  explicit VSubClass(int kind);
  // Marks the skin as destroying, then frees it: the control gets its earlier procedure back.
  ~VSubClass();
  VSubClass(const VSubClass&) = delete;
  VSubClass& operator=(const VSubClass&) = delete;

  int kind() const { return kind_; }
  bool HasSkin() const { return !std::holds_alternative<std::monostate>(skin_); }
  // Context, control, then the hook. False when the control cannot be hooked. assignedName: the
  // window text the skin gave the control for screen readers only, never drawn by the skin.
  bool Bind(SkinContext* context, HWND control, const std::wstring& assignedName = std::wstring());

 private:
  int kind_;
  std::variant<std::monostate, VButton, VCheckBox, VRadioBox, VComboBox> skin_;
};

}  // namespace skin
