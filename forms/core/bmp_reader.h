// Checks a .bmp file's bytes before GDI sees them: a truncated, oversized or foreign file must give a
// clean failure, never a read past the end of the data.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {

// Pictures the suite uses are small; anything larger is refused as not a picture.
inline constexpr long long kMaxBitmapPixels = 16LL * 1024 * 1024;

struct BmpContents {
  std::vector<uint8_t> info;  // BITMAPINFOHEADER + masks + colour table, ready for SetDIBits
  size_t bitsOffset = 0;      // pixel data within the file's bytes
  int width = 0;
  int height = 0;  // positive; the header in `info` keeps the file's row order
};

// The contents of a valid 1/4/8/16/24/32-bit uncompressed, bit-field or run-length bitmap file whose
// header, colour table and pixels all lie inside `bytes`; nothing otherwise. Old OS/2 headers are
// converted to BITMAPINFOHEADER.
std::optional<BmpContents> ParseBmp(const std::string& bytes);

}  // namespace forms
