#include "skin/core/outline.h"

#include <cstddef>

namespace skin {

Outline OutlineFromPixels(const uint32_t* pixels, int width, int height, int stride) {
  if (pixels == nullptr || stride < width) return {};
  return OutlineOf(width, height, [&](int x, int y) {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(stride) + static_cast<size_t>(x)];
  });
}

}  // namespace skin
