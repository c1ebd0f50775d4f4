// The outline a shaped control or form is cut to, from a decoded picture of any size and content:
// input bytes 0-1 are the width and height (1..64), the rest the pixels (repeated to fill).
#include <cstdlib>
#include <vector>

#include "skin/core/outline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const int width = data[0] % 64 + 1;
  const int height = data[1] % 64 + 1;
  const int stride = width + data[2] % 3;  // rows may carry padding
  std::vector<uint32_t> pixels(static_cast<size_t>(stride) * height);
  const size_t available = size - 3;
  for (size_t i = 0; i < pixels.size() && available >= 4; ++i) {
    const size_t at = 3 + (i * 4) % (available - available % 4);
    pixels[i] = data[at] | data[at + 1] << 8 | data[at + 2] << 16 | uint32_t{data[at + 3]} << 24;
  }
  const skin::Outline outline = skin::OutlineFromPixels(pixels.data(), width, height, stride);
  int previous = -1;
  for (const skin::RowSpan& span : outline) {
    if (span.y <= previous || span.y >= height || span.left < 0 || span.left >= span.right ||
        span.right > width) {
      std::abort();
    }
    previous = span.y;
  }
  return 0;
}
