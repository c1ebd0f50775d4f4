// The language of the suite's windows: the name derived from a Windows language identifier, and the
// module-wide text service over the language files <forms root>Texts\<name>.txt.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/ini_file.h"

namespace framework {

inline const wchar_t kEnglish[] = L"English";

// "ChineseT", "Spanish", ... for the identifier; "English" for every identifier not in the table.
std::wstring LanguageNameFromId(uint16_t langId);
// As above, with 0 standing for the user's default identifier (GetUserDefaultLangID on Windows).
std::wstring LanguageNameFor(uint16_t langId, uint16_t userDefaultLangId);

// The selected-language file and the English file (the same file when English is selected), with the
// English fallback applied key by key.
class LanguageTexts {
 public:
  // Opens <formsRoot>Texts\<languageName>.txt, or Texts\English.txt (selecting "English") when that
  // file is missing. Never fails: a missing English file reads as empty. Replaces earlier files.
  void LoadLanguage(const std::wstring& languageName, const std::wstring& formsRoot);

  // section/key from the selected file; when absent there, from the English file; else "".
  std::wstring GetText(const std::wstring& section, const std::wstring& key) const;

  // section + "." + variant when the selected file has that section with at least one key, else
  // section. An empty variant selects no variant section.
  std::wstring ResolveSection(const std::wstring& section, const std::wstring& variant) const;

  // Releases both files; GetText then gives "" until the next LoadLanguage.
  void FreeLanguage();

  // The language actually selected: "English" after a fallback; "" before LoadLanguage.
  const std::wstring& SelectedLanguage() const { return selected_; }

 private:
  std::wstring selected_;
  std::shared_ptr<const IniFile> selectedFile_;
  std::shared_ptr<const IniFile> englishFile_;
};

// The one instance of this module (host or plug-in), and the service over it by its usual names.
// Only the user-interface thread uses it.
LanguageTexts& ModuleLanguageTexts();
void LoadLanguage(const std::wstring& languageName, const std::wstring& formsRoot);
std::wstring GetText(const std::wstring& section, const std::wstring& key);
std::wstring ResolveSection(const std::wstring& section, const std::wstring& variant);
void FreeLanguage();

}  // namespace framework
