#include "skin/win32/lustrea.h"

#include <string>
#include <utility>

#include "forms/component_props.h"
#include "skin/core/skin_names.h"
#include "skin/core/skin_tag.h"
#include "skin/win32/control_paint.h"

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
  // As a dialog starts: focus cues hidden or shown by how the user last worked (mouse or keyboard),
  // and by the system's setting; Tab then shows them. The skinned controls follow WM_UPDATEUISTATE.
  SendMessageW(form_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0);
}

void Lustrea::Deactivate() {
  if (!active_) return;
  active_ = false;
  for (auto& subclass : subclasses_) subclass.reset();
  subclasses_.clear();
}

std::wstring Lustrea::NameUnnamedControl(HWND control) const {
  // A button whose caption lives in its bitmap has no window text of its own; screen readers would
  // announce "button" and nothing else, and a broken bitmap would leave it blank.
  if (!ControlCaption(control).empty()) return std::wstring();
  const SkinTag tag = DecodeSkinTag(forms::ComponentTag(control));
  const std::wstring name =
      AccessibleName(std::wstring(), engine_.SlotName(tag.slot), forms::ComponentName(control));
  SetWindowTextW(control, name.c_str());
  return name;
}

void Lustrea::AttachControls() {
  // Child windows in z-order are the form's components in component order.
  for (HWND child = GetWindow(form_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const int kind = KindOfClass(forms::ComponentClass(child));
    if (kind < 0) continue;
    // A control already skinned by another Lustrea keeps that skin.
    if (WindowHook::IsAttached(child, HookLayer::Control)) continue;
    auto subclass = std::make_unique<VSubClass>(kind);
    if (!subclass->HasSkin()) continue;
    const std::wstring assigned = kind == kKindComboBox ? std::wstring() : NameUnnamedControl(child);
    if (!subclass->Bind(&context_, child, assigned)) continue;
    subclasses_.push_back(std::move(subclass));
  }
}

}  // namespace skin
