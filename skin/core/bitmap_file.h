// Checks a .bmp file's bytes before they reach the platform's decoder: a skin file that is
// truncated, oversized or not a bitmap leaves its slot empty instead of failing the skin.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace skin {

// Skin bitmaps are small; anything larger is treated as not a bitmap.
inline constexpr long long kMaxBitmapPixels = 16LL * 1024 * 1024;

struct BitmapFileLayout {
  size_t infoOffset = 14;  // BITMAPINFO / BITMAPCOREINFO, colour table included
  size_t infoSize = 0;     // header + masks + colour table
  size_t pixelOffset = 0;
  size_t pixelBytes = 0;   // what the decoder reads from pixelOffset on: rows, or run-length data
  int width = 0;
  int height = 0;  // always positive; topDown says which way the rows run
  bool topDown = false;
};

// The layout of a valid uncompressed (1, 4, 8, 16, 24, 32 bits), bit-field or run-length bitmap file
// whose header, colour table and pixel rows (or run-length data of the size its header gives) lie
// inside `bytes`; none otherwise.
std::optional<BitmapFileLayout> ParseBitmapFile(const std::string& bytes);

}  // namespace skin
