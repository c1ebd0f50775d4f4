#include "skin/core/bitmap_file.h"

#include <cstdint>
#include <cstdlib>

namespace skin {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

uint32_t U16(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8;
}
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

bool ValidBitCount(uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<BitmapFileLayout> ParseBitmapFile(const std::string& bytes) {
  if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
    return std::nullopt;
  }
  const size_t pixelOffset = U32(bytes, 10);
  const size_t headerSize = U32(bytes, kFileHeaderSize);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && (headerSize < kInfoHeaderSize || headerSize > bytes.size() - kFileHeaderSize)) {
    return std::nullopt;
  }

  long long width, height;
  uint32_t planes, bits, compression = kRgb, coloursUsed = 0;
  if (core) {
    width = U16(bytes, 18);
    height = U16(bytes, 20);
    planes = U16(bytes, 22);
    bits = U16(bytes, 24);
  } else {
    width = static_cast<int32_t>(U32(bytes, 18));
    height = static_cast<int32_t>(U32(bytes, 22));
    planes = U16(bytes, 26);
    bits = U16(bytes, 28);
    compression = U32(bytes, 30);
    coloursUsed = U32(bytes, 46);
  }
  const bool topDown = height < 0;
  height = std::llabs(height);
  if (planes != 1 || !ValidBitCount(bits) || width <= 0 || height <= 0 ||
      width * height > kMaxBitmapPixels) {
    return std::nullopt;
  }

  // Colour table (and the three masks of a plain info header with bit fields) after the header.
  size_t extra = 0;
  if (bits <= 8) {
    const size_t maxColours = size_t{1} << bits;
    const size_t colours = coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
    extra = colours * (core ? 3 : 4);
  }
  if (compression == kBitFields) {
    if (core || (bits != 16 && bits != 32)) return std::nullopt;
    if (headerSize == kInfoHeaderSize) extra += 12;
  } else if (compression == kRle8 || compression == kRle4) {
    if (core || topDown || bits != (compression == kRle8 ? 8u : 4u)) return std::nullopt;
  } else if (compression != kRgb) {
    return std::nullopt;  // embedded JPEG/PNG and other encodings
  }
  const size_t infoSize = headerSize + extra;
  if (kFileHeaderSize + infoSize > bytes.size() || pixelOffset < kFileHeaderSize + infoSize ||
      pixelOffset >= bytes.size()) {
    return std::nullopt;
  }
  // The platform's decoder is handed the file's own header: it reads whole rows, or as many bytes
  // of run-length data as the header's image size says (and with a size of 0, until it meets an
  // end mark). Either must lie inside the file.
  const bool runLength = compression == kRle8 || compression == kRle4;
  const long long pixelBytes =
      runLength ? static_cast<long long>(U32(bytes, 34)) : (width * bits + 31) / 32 * 4 * height;
  if (pixelBytes <= 0 || pixelBytes > static_cast<long long>(bytes.size() - pixelOffset)) {
    return std::nullopt;
  }

  BitmapFileLayout layout;
  layout.infoSize = infoSize;
  layout.pixelOffset = pixelOffset;
  layout.pixelBytes = static_cast<size_t>(pixelBytes);
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  layout.topDown = topDown;
  return layout;
}

}  // namespace skin
