#include "tests/wine/driver/skin_damage.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "framework/core/file_io.h"
#include "tests/wine/driver/files.h"

namespace driver {
namespace {

void Put32(std::string& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A complete 24-bit bottom-up bitmap of a mid grey.
std::string GreyBitmap(int width, int height) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  std::string b(54 + rowBytes * height, '\x80');
  std::fill(b.begin(), b.begin() + 54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<uint32_t>(width));
  Put32(b, 22, static_cast<uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  return b;
}

}  // namespace

std::vector<SkinDamage> AllSkinDamages() {
  return {SkinDamage::kTruncated, SkinDamage::kNotABitmap, SkinDamage::kAbsurdHeader, SkinDamage::kZeroSizeCell};
}

const char* SkinDamageName(SkinDamage damage) {
  switch (damage) {
    case SkinDamage::kTruncated: return "truncated";
    case SkinDamage::kNotABitmap: return "not-a-bitmap";
    case SkinDamage::kAbsurdHeader: return "absurd-header";
    case SkinDamage::kZeroSizeCell: return "zero-size-cell";
  }
  return "?";
}

bool DamageSkinBitmap(const std::wstring& path, SkinDamage damage) {
  std::optional<std::string> bytes = framework::ReadFileBytes(path);
  if (!bytes || bytes->size() < 54) return false;
  switch (damage) {
    case SkinDamage::kTruncated:
      return WriteFileBytes(path, bytes->substr(0, 100));
    case SkinDamage::kNotABitmap:
      return WriteFileBytes(path, "This file was a button picture once.\r\n" + std::string(600, '#'));
    case SkinDamage::kAbsurdHeader:
      Put32(*bytes, 18, 100000);
      Put32(*bytes, 22, 100000);
      return WriteFileBytes(path, *bytes);
    case SkinDamage::kZeroSizeCell: {
      const int height = static_cast<int>(static_cast<uint8_t>((*bytes)[22]) | static_cast<uint8_t>((*bytes)[23]) << 8);
      return WriteFileBytes(path, GreyBitmap(3, height > 0 && height < 1000 ? height : 20));
    }
  }
  return false;
}

}  // namespace driver
