#include "skin/core/caption_layout.h"

namespace skin {

Point ButtonCaptionOrigin(Size control, Size text, bool pressed) {
  Point origin{(control.width - text.width) / 2, (control.height - text.height) / 2};
  if (pressed) {
    ++origin.x;
    ++origin.y;
  }
  return origin;
}

Rect CheckCaptionRect(int skinWidth, int controlHeight, Size text) {
  const int left = skinWidth / 3 + 5;
  const int top = (controlHeight - text.height) / 2;
  return {left, top, left + text.width, top + text.height};
}

Point ComboSquareOrigin(Size control) { return {control.width - control.height + 1, 0}; }

Rect AnsiTextRect(int x, int y, Size text) { return {x, y, x + text.width + 1, y + text.height + 1}; }

uint32_t CaptionColour(std::optional<uint32_t> skinColour, std::optional<uint32_t> fontColour,
                       uint32_t systemColour) {
  return skinColour.value_or(fontColour.value_or(systemColour));
}

}  // namespace skin
