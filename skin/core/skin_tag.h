// The decimal digits of a control's Tag that choose its skin bitmap and how it is drawn.
#pragma once

namespace skin {

// Skin slots 0..29 of the graphic engine.
inline constexpr int kSlotCount = 30;

enum class FillStyle { Stretch, NineGrid, Plain, NineGridWithTextColour, Unknown };
enum class OutputMode { Copy, TransparentCopy, CopyThenShape, ShapeCopyShape };

// Control kinds of VSubClass.
enum ControlKind : int { kKindButton = 0, kKindCheckBox = 2, kKindRadioButton = 3, kKindComboBox = 12 };

struct SkinTag {
  int slot = 0;  // may lie outside 0..29: such a slot names no bitmap
  FillStyle fill = FillStyle::Stretch;
  OutputMode output = OutputMode::Copy;
  bool forcedDown = false;
};

// Digits of a button, check box or radio button Tag: slot = Tag % 1000, fill (Tag / 1000) % 10,
// output (Tag / 10000) % 10, forced-down (Tag / 100000) % 10.
SkinTag DecodeSkinTag(int tag);

// A combo box reads its whole Tag as the slot.
inline int ComboSlot(int tag) { return tag; }

inline bool IsSkinSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

}  // namespace skin
