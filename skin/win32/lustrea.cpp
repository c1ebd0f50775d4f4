#include "skin/win32/lustrea.h"

#include <string>
#include <utility>

#include "forms/component_props.h"
#include "skin/core/skin_tag.h"

namespace skin {
namespace {

// Exact class names, case included; derived classes under other names stay unskinned.
int KindOfClass(const std::wstring& className) {
  if (className == L"TButton") return kKindButton;
  if (className == L"TCheckBox") return kKindCheckBox;
  if (className == L"TRadioButton") return kKindRadioButton;
  if (className == L"TComboBox") return kKindComboBox;
  return -1;
}

}  // namespace

Lustrea::Lustrea(HWND form, uint16_t languageId, SlotTable table)
    : form_(form), engine_(languageId, std::move(table)), context_{&engine_, form} {}

Lustrea::Lustrea(HWND form, SlotPlan fixedPlan)
    : form_(form), engine_(std::move(fixedPlan)), context_{&engine_, form} {}

Lustrea::~Lustrea() { Deactivate(); }

void Lustrea::Active() {
  if (active_) return;
  active_ = true;
  engine_.LoadBitmaps();
  AttachControls();
}

void Lustrea::Deactivate() {
  if (!active_) return;
  active_ = false;
  for (auto& subclass : subclasses_) subclass.reset();
  subclasses_.clear();
}

void Lustrea::AttachControls() {
  // Child windows in z-order are the form's components in component order.
  for (HWND child = GetWindow(form_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int kind = KindOfClass(forms::ComponentClass(child));
    if (kind < 0) continue;
    // A control already skinned by another Lustrea keeps that skin.
    if (WindowHook::IsAttached(child, HookLayer::Control)) continue;
    auto subclass = std::make_unique<VSubClass>(kind);
    if (!subclass->HasSkin() || !subclass->Bind(&context_, child)) continue;
    subclasses_.push_back(std::move(subclass));
  }
}

}  // namespace skin
