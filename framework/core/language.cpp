#include "framework/core/language.h"

#include "framework/core/file_io.h"

namespace framework {
namespace {

struct LanguageRow {
  uint16_t id;
  const wchar_t* name;
};

const LanguageRow kLanguageTable[] = {
    {1028, L"ChineseT"},    {3076, L"ChineseT"},    {4100, L"ChineseT"},    {2052, L"ChineseS"},
    {1031, L"German"},      {2055, L"German"},      {3079, L"German"},      {4103, L"German"},
    {5127, L"German"},      {1036, L"FrenchF"},     {2060, L"FrenchF"},     {3084, L"FrenchF"},
    {4108, L"FrenchF"},     {5132, L"FrenchF"},     {6156, L"FrenchF"},     {1040, L"Italian"},
    {2064, L"Italian"},     {1041, L"Japanese"},    {1042, L"Korean"},      {1043, L"Dutch"},
    {2067, L"Dutch"},       {1046, L"PortugueseP"}, {2070, L"PortugueseP"}, {1049, L"Russian"},
    {1055, L"Turkish"},
    // Every Spanish locale except 1034 (traditional sort), which the table leaves to English.
    {2058, L"Spanish"},     {3082, L"Spanish"},     {4106, L"Spanish"},     {5130, L"Spanish"},
    {6154, L"Spanish"},     {7178, L"Spanish"},     {8202, L"Spanish"},     {9226, L"Spanish"},
    {10250, L"Spanish"},    {11274, L"Spanish"},    {12298, L"Spanish"},    {13322, L"Spanish"},
    {14346, L"Spanish"},    {15370, L"Spanish"},    {16394, L"Spanish"},    {17418, L"Spanish"},
    {18442, L"Spanish"},    {19466, L"Spanish"},    {20490, L"Spanish"},
};

std::wstring LanguageFilePath(const std::wstring& formsRoot, const std::wstring& languageName) {
  return JoinPath(formsRoot, L"Texts\\" + languageName + L".txt");
}

}  // namespace

std::wstring LanguageNameFromId(uint16_t langId) {
  for (const LanguageRow& row : kLanguageTable) {
    if (row.id == langId) return row.name;
  }
  return kEnglish;
}

std::wstring LanguageNameFor(uint16_t langId, uint16_t userDefaultLangId) {
  return LanguageNameFromId(langId == 0 ? userDefaultLangId : langId);
}

void LanguageTexts::LoadLanguage(const std::wstring& languageName, const std::wstring& formsRoot) {
  selected_ = languageName;
  const std::wstring chosen = LanguageFilePath(formsRoot, languageName);
  if (!FileExists(chosen)) selected_ = kEnglish;

  englishFile_ = std::make_shared<const IniFile>(IniFile::Open(LanguageFilePath(formsRoot, kEnglish)));
  selectedFile_ = selected_ == kEnglish ? englishFile_ : std::make_shared<const IniFile>(IniFile::Open(chosen));
}

std::wstring LanguageTexts::GetText(const std::wstring& section, const std::wstring& key) const {
  if (selectedFile_) {
    std::wstring text = selectedFile_->ReadString(section, key, kMissingValue);
    if (text != kMissingValue) return text;
  }
  return englishFile_ ? englishFile_->ReadString(section, key, L"") : std::wstring();
}

std::wstring LanguageTexts::ResolveSection(const std::wstring& section, const std::wstring& variant) const {
  if (variant.empty() || !selectedFile_) return section;
  const std::wstring candidate = section + L"." + variant;
  return selectedFile_->SectionKeys(candidate).empty() ? section : candidate;
}

void LanguageTexts::FreeLanguage() {
  selectedFile_.reset();
  englishFile_.reset();
}

LanguageTexts& ModuleLanguageTexts() {
  static LanguageTexts texts;
  return texts;
}

void LoadLanguage(const std::wstring& languageName, const std::wstring& formsRoot) {
  ModuleLanguageTexts().LoadLanguage(languageName, formsRoot);
}

std::wstring GetText(const std::wstring& section, const std::wstring& key) {
  return ModuleLanguageTexts().GetText(section, key);
}

std::wstring ResolveSection(const std::wstring& section, const std::wstring& variant) {
  return ModuleLanguageTexts().ResolveSection(section, variant);
}

void FreeLanguage() { ModuleLanguageTexts().FreeLanguage(); }

}  // namespace framework
