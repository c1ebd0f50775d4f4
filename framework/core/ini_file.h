// A read-only INI file with the lookup rules of Windows' GetPrivateProfileString, loaded once.
//  - encodings: see DecodeTextFile (UTF-16 with BOM, UTF-8 with or without BOM, else the code page);
//  - section and key names compare case-insensitively (ASCII letters), surrounding blanks ignored;
//  - a value is trimmed of blanks, then one pair of matching surrounding quotes (" or ') is removed;
//  - lines whose first non-blank character is ';' are comments;
//  - the first of duplicated sections and the first of duplicated keys win;
//  - a line without '=' is a key without value: listed by SectionKeys, read as absent;
//  - lines and values have no length limit (no 2047-character cut as in Windows).
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/text_codec.h"

namespace framework {

// The default that every lookup passes; a result equal to it means "key absent".
inline const wchar_t kMissingValue[] = L"@@";

class IniFile {
 public:
  // An empty file that does not exist.
  IniFile() = default;

  // Reads the file at path. A missing or unreadable file reads as empty and Exists() is false.
  static IniFile Open(const std::wstring& path);
  // Parses file content already in memory (counts as existing). `ansi` decodes 8-bit text that is
  // not UTF-8; by default the system code page.
  static IniFile FromBytes(const std::string& bytes, AnsiDecoder ansi = nullptr);

  bool Exists() const { return exists_; }

  // The value of section/key, or defaultValue when the section, the key or its '=' is missing.
  std::wstring ReadString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue) const;

  // The section's key names in file order (first spelling of duplicates); empty when the section is
  // missing or holds no key.
  std::vector<std::wstring> SectionKeys(const std::wstring& section) const;

 private:
  struct Entry {
    std::wstring key;
    std::wstring value;
    bool hasValue = false;
  };
  struct Section {
    std::vector<Entry> entries;                   // file order, duplicates dropped
    std::unordered_map<std::wstring, size_t> index;  // folded key -> entry
  };

  void Parse(const std::wstring& text);
  const Section* FindSection(const std::wstring& name) const;

  bool exists_ = false;
  std::vector<Section> sections_;
  std::unordered_map<std::wstring, size_t> sectionIndex_;  // folded name -> section
};

}  // namespace framework
