// When a control shows the standard control instead of its skin. A damaged install (a bitmap cut
// short, overwritten, with an absurd header, or too narrow to hold four cells) must never cost the
// user a button: such a control keeps its design bounds, is not cut to an outline and draws itself
// with its name as caption, while the rest of the form stays skinned.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "skin/core/geometry.h"
#include "skin/core/skin_tag.h"

namespace skin {

enum class SkinFault {
  kNone,           // the skin draws the control
  kNoBitmap,       // the slot is empty: missing, unreadable, not a bitmap, absurd header
  kEmptyCell,      // a quarter of the bitmap's width, or its height, is 0
  kCellTooSmall,   // a nine-grid fill needs a cell of at least 3 x 3 pixels
  kOversizedCell,  // larger than any control could sensibly be
  kUnknownFill,    // a fill-style digit that names no way of drawing the cell
};

// A cell larger than this either way is not a control's picture (a plain button would take its size).
inline constexpr int kMaxCellExtent = 1024;

// The fault of a skin bitmap of the given size for a control of `kind` (kKindButton, ...) drawn with
// `fill` (read for buttons only). An empty bitmap has size 0 x 0.
SkinFault ControlSkinFault(Size skinBitmap, int kind, FillStyle fill);

// The same decided from a skin file's bytes as the loader reads them (nullopt: no file). A file the
// loader rejects leaves the slot empty.
SkinFault ControlSkinFaultOfFile(const std::optional<std::string>& bytes, int kind, FillStyle fill);

inline bool DrawsSkin(SkinFault fault) { return fault == SkinFault::kNone; }

// Whether a form's background picture can carry the form: the form takes the picture's size, so a
// picture that does not cover every control (a damaged file that still reads as a tiny bitmap)
// would cut the controls off. Otherwise the form keeps its design size and stays unshaped.
bool BackgroundCoversControls(Size picture, const std::vector<Rect>& controls);

// For messages and test output: "none", "no bitmap", ...
const char* SkinFaultName(SkinFault fault);

}  // namespace skin
