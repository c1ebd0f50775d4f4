// Regions built from outlines in one call.
#pragma once
#include <windows.h>

#include "skin/core/outline.h"

namespace skin {

// The outline as a region: one rectangle per row span, runs of rows with the same span joined into
// one (empty for an empty outline). The caller owns it.
HRGN RegionFromOutline(const Outline& outline);

}  // namespace skin
