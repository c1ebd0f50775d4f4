#include "skin/core/cells.h"

namespace skin {

ButtonCellChoice ChooseButtonCell(bool enabled, bool pressed, bool forcedDown, bool hover) {
  if (!enabled) return {3, kDisabledButtonText};
  if (pressed || forcedDown) return {2, std::nullopt};
  if (hover) return {1, std::nullopt};
  return {0, std::nullopt};
}

int ChooseCheckCell(bool checked, bool hover) { return (checked ? 2 : 0) + (hover ? 1 : 0); }

int ChooseComboCell(bool enabled, bool pressed, bool hover) {
  if (!enabled) return 3;
  if (pressed) return 2;
  return hover ? 1 : 0;
}

Rect SliceSource(int column, int row, int width, int height) {
  return {column * width, row * height, (column + 1) * width, (row + 1) * height};
}

}  // namespace skin
