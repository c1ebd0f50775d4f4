#include "skin/core/skin_tag.h"

namespace skin {
namespace {

FillStyle FillFromDigit(int digit) {
  switch (digit) {
    case 0: return FillStyle::Stretch;
    case 1: return FillStyle::NineGrid;
    case 2: return FillStyle::Plain;
    case 3: return FillStyle::NineGridWithTextColour;
    default: return FillStyle::Unknown;
  }
}

OutputMode OutputFromDigit(int digit) {
  switch (digit) {
    case 1: return OutputMode::TransparentCopy;
    case 2: return OutputMode::CopyThenShape;
    case 3: return OutputMode::ShapeCopyShape;
    default: return OutputMode::Copy;
  }
}

}  // namespace

SkinTag DecodeSkinTag(int tag) {
  // C++ division truncates toward zero, so a negative Tag yields negative digits: an out-of-range
  // slot, an unknown fill style, plain copy and no forced-down state.
  SkinTag decoded;
  decoded.slot = tag % 1000;
  decoded.fill = FillFromDigit((tag / 1000) % 10);
  decoded.output = OutputFromDigit((tag / 10000) % 10);
  decoded.forcedDown = (tag / 100000) % 10 == 1;
  return decoded;
}

}  // namespace skin
