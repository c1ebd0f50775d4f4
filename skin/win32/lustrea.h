// The skin of one form: its bitmaps, and a control skin on each of its buttons, check boxes, radio
// buttons and combo boxes. The form is its window; its components are its child windows, named and
// classed by the properties of forms/component_props.h.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/slot_table.h"
#include "skin/win32/graphic_engine.h"
#include "skin/win32/skin_context.h"
#include "skin/win32/v_sub_class.h"

namespace skin {

class Lustrea {
 public:
  // Loads nothing and hooks nothing yet.
  Lustrea(HWND form, uint16_t languageId, SlotTable table);
  // Bitmaps from fixed files (the pairing tool, which has no language identifier for its skin).
  Lustrea(HWND form, SlotPlan fixedPlan);
  // Deactivates first, so that no control keeps a procedure pointing at a freed skin.
  ~Lustrea();
  Lustrea(const Lustrea&) = delete;
  Lustrea& operator=(const Lustrea&) = delete;

  // First call: loads the bitmaps, then skins the form's controls. Later calls do nothing.
  void Active();
  // Gives every skinned control back its earlier procedure and frees the control skins.
  void Deactivate();
  // The language files naming what the skin bitmaps show (see GraphicEngine); before Active.
  void SetNameFiles(std::vector<std::wstring> files) { engine_.SetNameFiles(std::move(files)); }
  // A folder to look in for the bitmaps after the form's own (see GraphicEngine); before Active.
  void SetSharedFolder(std::wstring folder) { engine_.SetSharedFolder(std::move(folder)); }

  bool active() const { return active_; }
  HWND form() const { return form_; }
  size_t SubclassCount() const { return subclasses_.size(); }
  const GraphicEngine& engine() const { return engine_; }

 private:
  void AttachControls();
  // Gives a control without a caption the name its bitmap shows (see AccessibleName); returns the
  // name given, "" when the control had a caption.
  std::wstring NameUnnamedControl(HWND control) const;

  HWND form_;
  std::vector<std::unique_ptr<VSubClass>> subclasses_;
  GraphicEngine engine_;
  SkinContext context_;
  bool active_ = false;
};

}  // namespace skin
