#include "skin/core/skin_names.h"

#include <utility>

namespace skin {
namespace {

// Chinese, Japanese and Korean text has no blanks between words.
bool IsCjk(wchar_t c) { return c >= 0x2E80 && c < 0xD800; }

}  // namespace

std::wstring NameFromCaption(const std::wstring& caption) {
  static const std::wstring kBreak = L"\\\\\\\\";
  std::wstring name;
  size_t at = 0;
  for (size_t found; (found = caption.find(kBreak, at)) != std::wstring::npos; at = found + kBreak.size()) {
    name += caption.substr(at, found - at);
    const size_t next = found + kBreak.size();
    const bool joined = name.empty() || next >= caption.size() || name.back() == L' ' ||
                        caption[next] == L' ' || IsCjk(name.back()) || IsCjk(caption[next]);
    if (!joined) name += L' ';
  }
  return name + caption.substr(at);
}

std::wstring SkinNameKey(const std::wstring& file) {
  const size_t slash = file.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? file : file.substr(slash + 1);
  const size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) name.erase(dot);
  return name;
}

std::vector<std::wstring> LanguageNameFiles(const std::wstring& languageFolder) {
  std::vector<std::wstring> files{L"..\\Texts\\" + languageFolder + L".txt"};
  if (languageFolder != L"English") files.push_back(L"..\\Texts\\English.txt");
  return files;
}

std::vector<std::wstring> PairToolNameFiles(const std::wstring& dataFolder, const std::wstring& languageName) {
  std::vector<std::wstring> files{dataFolder + languageName + L".txt"};
  if (languageName != L"English") files.push_back(dataFolder + L"English.txt");
  return files;
}

SkinNameBook SkinNameBook::Open(const std::vector<std::wstring>& paths) {
  std::vector<framework::IniFile> files;
  for (const std::wstring& path : paths) files.push_back(framework::IniFile::Open(path));
  return SkinNameBook(std::move(files));
}

std::wstring SkinNameBook::NameOf(const std::wstring& key) const {
  if (key.empty()) return std::wstring();
  for (const framework::IniFile& file : files_) {
    for (const wchar_t* section : {kSkinCaptionsSection, kSkinNamesSection}) {
      const std::wstring value = file.ReadString(section, key, framework::kMissingValue);
      if (value != framework::kMissingValue && !value.empty()) return NameFromCaption(value);
    }
  }
  return std::wstring();
}

std::wstring AccessibleName(const std::wstring& caption, const std::wstring& skinName,
                            const std::wstring& componentName) {
  if (!caption.empty()) return caption;
  if (!skinName.empty()) return skinName;
  // bt_, ck_, rb_ ...: the part after the kind prefix is the name the developer gave it.
  const size_t underscore = componentName.find(L'_');
  if (underscore != std::wstring::npos && underscore + 1 < componentName.size()) {
    return componentName.substr(underscore + 1);
  }
  return componentName;
}

bool SkinDrawsCaption(const std::wstring& caption, const std::wstring& skinName,
                      const std::wstring& assignedName) {
  if (caption.empty()) return false;
  if (!skinName.empty() && caption == skinName) return false;
  if (!assignedName.empty() && caption == assignedName) return false;
  return true;
}

}  // namespace skin
