#include "framework/core/pairtool_texts.h"

#include "framework/core/file_io.h"

namespace framework {

std::wstring PairToolLanguageFile(uint16_t langId) {
  switch (langId) {
    case 0x0404:
    case 0x0C04:
    case 0x1004:
      return L"ChineseT";
    case 0x0804:
      return L"ChineseS";
    default:
      return L"English";
  }
}

PairToolTexts::PairToolTexts(const std::wstring& programFolder, uint16_t langId)
    : file_(IniFile::Open(JoinPath(programFolder, L"data\\" + PairToolLanguageFile(langId) + L".txt"))) {}

std::wstring PairToolTexts::Translate(const std::wstring& key) const {
  return file_.ReadString(L"Merrow", key, L"");
}

}  // namespace framework
