#include "skin/win32/v_sub_class.h"

#include "skin/core/skin_tag.h"

namespace skin {

VSubClass::VSubClass(int kind) : kind_(kind) {
  switch (kind) {
    case kKindButton: skin_.emplace<VButton>(); break;
    case kKindCheckBox: skin_.emplace<VCheckBox>(); break;
    case kKindRadioButton: skin_.emplace<VRadioBox>(); break;
    case kKindComboBox: skin_.emplace<VComboBox>(); break;
    default: break;
  }
}

VSubClass::~VSubClass() {
  std::visit(
      [](auto& skin) {
        if constexpr (!std::is_same_v<std::decay_t<decltype(skin)>, std::monostate>) {
          skin.SetDestroying();
        }
      },
      skin_);
  skin_.emplace<std::monostate>();
}

bool VSubClass::Bind(SkinContext* context, HWND control, const std::wstring& assignedName) {
  return std::visit(
      [&](auto& skin) {
        if constexpr (std::is_same_v<std::decay_t<decltype(skin)>, std::monostate>) {
          return false;
        } else {
          skin.SetContext(context);
          skin.SetControl(control);
          skin.SetAssignedName(assignedName);
          return skin.Hook();
        }
      },
      skin_);
}

}  // namespace skin
