// The keyboard-focus cue of a skinned control: a dotted ring, like the system's focus rectangle, in
// a colour of the skin's palette that stands out against the picture beneath it.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// COLORREF layout (0x00BBGGRR): navy #10263F on light pictures, amber #F2A900 on dark ones.
inline constexpr uint32_t kFocusCueOnLight = 0x3F2610;
inline constexpr uint32_t kFocusCueOnDark = 0x00A9F2;

// The cue colour for a picture whose pixels under the ring average to `average` (a COLORREF).
uint32_t FocusCueColour(uint32_t average);

// The ring `inset` pixels inside `bounds`; none when nothing of at least 3 x 3 pixels would remain.
std::optional<Rect> FocusCueRing(Rect bounds, int inset);

// How far inside a button's edge the ring runs: clear of rounded corners and borders, closer on
// small buttons (a 20 x 20 close button keeps a 14 x 14 ring).
int FocusCueInset(Size control);

// The ring's pixels, every other one along its edge, clockwise from the top-left corner.
std::vector<Point> FocusCueDots(Rect ring);

}  // namespace skin
