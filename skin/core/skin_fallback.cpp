#include "skin/core/skin_fallback.h"

#include "skin/core/bitmap_file.h"
#include "skin/core/cells.h"

namespace skin {

SkinFault ControlSkinFault(Size skinBitmap, int kind, FillStyle fill) {
  if (skinBitmap.width <= 0 || skinBitmap.height <= 0) return SkinFault::kNoBitmap;
  const Size cell{CellWidth(skinBitmap.width), skinBitmap.height};
  if (cell.width <= 0) return SkinFault::kEmptyCell;
  if (cell.width > kMaxCellExtent || cell.height > kMaxCellExtent) return SkinFault::kOversizedCell;
  if (kind == kKindButton) {
    if (fill == FillStyle::Unknown) return SkinFault::kUnknownFill;
    const bool nineGrid = fill == FillStyle::NineGrid || fill == FillStyle::NineGridWithTextColour;
    if (nineGrid && (cell.width < 3 || cell.height < 3)) return SkinFault::kCellTooSmall;
  }
  return SkinFault::kNone;
}

SkinFault ControlSkinFaultOfFile(const std::optional<std::string>& bytes, int kind, FillStyle fill) {
  if (!bytes) return SkinFault::kNoBitmap;
  const std::optional<BitmapFileLayout> layout = ParseBitmapFile(*bytes);
  if (!layout) return SkinFault::kNoBitmap;
  return ControlSkinFault(Size{layout->width, layout->height}, kind, fill);
}

bool BackgroundCoversControls(Size picture, const std::vector<Rect>& controls) {
  if (picture.width <= 0 || picture.height <= 0) return false;
  for (const Rect& control : controls) {
    if (control.left < 0 || control.top < 0 || control.right > picture.width || control.bottom > picture.height) {
      return false;
    }
  }
  return true;
}

const char* SkinFaultName(SkinFault fault) {
  switch (fault) {
    case SkinFault::kNone: return "none";
    case SkinFault::kNoBitmap: return "no bitmap";
    case SkinFault::kEmptyCell: return "empty cell";
    case SkinFault::kCellTooSmall: return "cell too small for a nine-grid";
    case SkinFault::kOversizedCell: return "oversized cell";
    case SkinFault::kUnknownFill: return "unknown fill style";
  }
  return "?";
}

}  // namespace skin
