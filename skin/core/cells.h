// Which of the four side-by-side cells of a skin bitmap a control shows, and where a cell lies.
#pragma once
#include <cstdint>
#include <optional>

#include "skin/core/geometry.h"

namespace skin {

// Colours in COLORREF layout (0x00BBGGRR).
inline constexpr uint32_t kDisabledButtonText = 0x99A8AC;
inline constexpr uint32_t kDisabledCheckText = 0xC0C0C0;

inline constexpr int kCellCount = 4;

struct ButtonCellChoice {
  int cell = 0;
  std::optional<uint32_t> textColour;  // none: the caption keeps the control's own colour
};

// Disabled 3 (grey caption), else pressed or forced down 2, else hover 1, else 0.
ButtonCellChoice ChooseButtonCell(bool enabled, bool pressed, bool forcedDown, bool hover);
// Checked 2, else 0; plus 1 under the pointer. The grayed state counts as not checked.
int ChooseCheckCell(bool checked, bool hover);
// Disabled 3, else pressed 2, else hover 1, else 0.
int ChooseComboCell(bool enabled, bool pressed, bool hover);

// A cell is a quarter of the skin bitmap's width (truncated) and its full height.
inline int CellWidth(int skinWidth) { return skinWidth / kCellCount; }

// The source rectangle that CopySlice copies: (column * width, row * height) to
// ((column + 1) * width, (row + 1) * height).
Rect SliceSource(int column, int row, int width, int height);

}  // namespace skin
