#include "forms/core/bmp_reader.h"

#include <cstring>

namespace forms {
namespace {

// The file format's own constants and header sizes (wingdi.h), spelled out so that the reader is
// plain C++ and runs in the native tests and fuzz targets too.
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;  // BI_RGB, BI_RLE8, ...
constexpr uint32_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

void Put16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}
void Put32(uint8_t* at, uint32_t value) {
  Put16(at, static_cast<uint16_t>(value));
  Put16(at + 2, static_cast<uint16_t>(value >> 16));
}

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

constexpr size_t kFileHeader = 14;

}  // namespace

std::optional<BmpContents> ParseBmp(const std::string& bytes) {
  const size_t size = bytes.size();
  if (size < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const uint32_t headerSize = U32(bytes, kFileHeader);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124) {
    return std::nullopt;
  }
  if (kFileHeader + headerSize > size) return std::nullopt;

  long long width, height;
  uint16_t planes, bitCount;
  uint32_t compression = kRgb, colorsUsed = 0, imageSize = 0;
  if (core) {
    width = U16(bytes, kFileHeader + 4);
    height = U16(bytes, kFileHeader + 6);
    planes = U16(bytes, kFileHeader + 8);
    bitCount = U16(bytes, kFileHeader + 10);
  } else {
    width = static_cast<int32_t>(U32(bytes, kFileHeader + 4));
    height = static_cast<int32_t>(U32(bytes, kFileHeader + 8));
    planes = U16(bytes, kFileHeader + 12);
    bitCount = U16(bytes, kFileHeader + 14);
    compression = U32(bytes, kFileHeader + 16);
    imageSize = U32(bytes, kFileHeader + 20);
    colorsUsed = U32(bytes, kFileHeader + 32);
  }
  const bool topDown = height < 0;
  const long long rows = topDown ? -height : height;
  if (planes != 1 || width <= 0 || rows <= 0 || width * rows > kMaxBitmapPixels) return std::nullopt;

  const bool rle = compression == kRle8 || compression == kRle4;
  const bool validFormat =
      (compression == kRgb && (bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                                 bitCount == 24 || bitCount == 32)) ||
      (compression == kRle8 && bitCount == 8) || (compression == kRle4 && bitCount == 4) ||
      (compression == kBitFields && (bitCount == 16 || bitCount == 32));
  if (!validFormat || (rle && topDown)) return std::nullopt;

  // Bit-field masks follow a 40-byte header; larger headers hold them inside.
  const size_t maskBytes = (compression == kBitFields && headerSize == 40) ? 12 : 0;
  size_t paletteEntries = 0;
  if (bitCount <= 8) {
    paletteEntries = colorsUsed == 0 ? (size_t{1} << bitCount) : colorsUsed;
    if (paletteEntries > (size_t{1} << bitCount)) return std::nullopt;
  } else if (!core && colorsUsed > 256) {
    return std::nullopt;
  } else if (!core) {
    paletteEntries = colorsUsed;  // optional table of a true-colour file, unused but skipped over
  }
  const size_t entrySize = core ? 3 : 4;
  const size_t tableStart = kFileHeader + headerSize;
  const size_t tableEnd = tableStart + maskBytes + paletteEntries * entrySize;
  if (tableEnd > size) return std::nullopt;

  size_t bitsOffset = U32(bytes, 10);
  if (bitsOffset == 0) bitsOffset = tableEnd;
  if (bitsOffset < tableStart + maskBytes || bitsOffset >= size) return std::nullopt;
  const long long stride = ((width * bitCount + 31) / 32) * 4;
  const long long needed = rle ? imageSize : stride * rows;
  if (needed <= 0 || static_cast<long long>(size - bitsOffset) < needed) return std::nullopt;

  BmpContents contents;
  contents.width = static_cast<int>(width);
  contents.height = static_cast<int>(rows);
  contents.bitsOffset = bitsOffset;
  // BITMAPINFOHEADER, little-endian as in the file.
  contents.info.assign(kInfoHeaderSize + 12 + (bitCount <= 8 ? paletteEntries * 4 : 0), 0);
  uint8_t* header = contents.info.data();
  Put32(header, kInfoHeaderSize);
  Put32(header + 4, static_cast<uint32_t>(width));
  Put32(header + 8, static_cast<uint32_t>(height));
  Put16(header + 12, 1);
  Put16(header + 14, bitCount);
  Put32(header + 16, compression);
  Put32(header + 20, rle ? imageSize : 0);
  Put32(header + 32, bitCount <= 8 ? static_cast<uint32_t>(paletteEntries) : 0);
  uint8_t* tail = header + kInfoHeaderSize;
  if (compression == kBitFields) {
    // Masks sit right after the 40 bytes in every header version.
    std::memcpy(tail, bytes.data() + kFileHeader + kInfoHeaderSize, 12);
    tail += 12;
  }
  if (bitCount <= 8) {
    for (size_t i = 0; i < paletteEntries; ++i) {
      const size_t at = tableStart + maskBytes + i * entrySize;
      std::memcpy(tail + i * 4, bytes.data() + at, 3);  // blue, green, red; the fourth byte stays 0
    }
  }
  return contents;
}

}  // namespace forms
