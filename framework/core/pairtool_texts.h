// The stand-alone pairing tool's texts: one file per language in <program folder>data\, section
// "Merrow". Only three languages exist there.
#pragma once
#include <cstdint>
#include <string>

#include "framework/core/ini_file.h"

namespace framework {

// The pairing tool's language name (file stem): 0x0404, 0x0C04, 0x1004 give "ChineseT", 0x0804 gives
// "ChineseS", everything else "English".
std::wstring PairToolLanguageFile(uint16_t langId);

class PairToolTexts {
 public:
  // Opens <programFolder>data\<PairToolLanguageFile(langId)>.txt; a missing file reads as empty.
  PairToolTexts(const std::wstring& programFolder, uint16_t langId);

  // The key's text in section "Merrow"; "" when the file, the section or the key is missing.
  std::wstring Translate(const std::wstring& key) const;

 private:
  IniFile file_;
};

}  // namespace framework
