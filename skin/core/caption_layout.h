// Where the skins put captions and the combo box square, measured in the caption's font.
#pragma once
#include <cstdint>
#include <optional>

#include "skin/core/geometry.h"

namespace skin {

// Centred in the control, dividing toward zero; one pixel right and down while pressed (the
// forced-down digit alone does not move it).
Point ButtonCaptionOrigin(Size control, Size text, bool pressed);

// Beside the box: left = skin bitmap width / 3 + 5 (a third of the whole four-cell bitmap), centred
// vertically.
Rect CheckCaptionRect(int skinWidth, int controlHeight, Size text);

// The square drawn over a combo box's drop-down button: control height wide, at the right end.
Point ComboSquareOrigin(Size control);

// The caption's colour: the skin bitmap's text colour, else the control's own font colour, else
// the system's text colour (a control that never got a font of its own).
uint32_t CaptionColour(std::optional<uint32_t> skinColour, std::optional<uint32_t> fontColour,
                       uint32_t systemColour);

// The rectangle DrawAnsiText draws into: one pixel larger than the text each way.
Rect AnsiTextRect(int x, int y, Size text);

}  // namespace skin
