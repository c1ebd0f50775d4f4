// The ways a skin bitmap of an installation gets damaged, for tests of what the forms then show.
#pragma once
#include <string>
#include <vector>

namespace driver {

enum class SkinDamage {
  kTruncated,      // cut to its first 100 bytes
  kNotABitmap,     // overwritten with text
  kAbsurdHeader,   // its header claims 100000 x 100000 pixels
  kZeroSizeCell,   // a sound bitmap 3 pixels wide: a quarter of it is nothing
};

std::vector<SkinDamage> AllSkinDamages();
// "truncated", "not-a-bitmap", "absurd-header", "zero-size-cell" (file-name friendly).
const char* SkinDamageName(SkinDamage damage);
// Rewrites the file at `path` (which must exist) with the damage.
bool DamageSkinBitmap(const std::wstring& path, SkinDamage damage);

}  // namespace driver
