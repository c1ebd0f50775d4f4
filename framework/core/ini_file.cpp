#include "framework/core/ini_file.h"

#include "framework/core/file_io.h"

namespace framework {
namespace {

// The blanks Windows trims around INI names and values; 0x1A is the old end-of-file mark.
bool IsIniBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\v' || c == L'\f' || c == L'\r' || c == 0x1A;
}

std::wstring Trim(const std::wstring& text, size_t first, size_t last) {
  while (first < last && IsIniBlank(text[first])) ++first;
  while (last > first && IsIniBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::wstring Trim(const std::wstring& text) { return Trim(text, 0, text.size()); }

std::wstring FoldCase(std::wstring text) {
  for (auto& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

std::wstring StripQuotes(const std::wstring& value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

IniFile IniFile::Open(const std::wstring& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return IniFile();
  return FromBytes(*bytes, SystemCodePageToWide);
}

IniFile IniFile::FromBytes(const std::string& bytes, AnsiDecoder ansi) {
  IniFile file;
  file.exists_ = true;
  file.Parse(DecodeTextFile(bytes, ansi ? ansi : SystemCodePageToWide));
  return file;
}

void IniFile::Parse(const std::wstring& text) {
  constexpr size_t kNone = static_cast<size_t>(-1);
  size_t current = kNone;  // lines before the first header belong to no section
  size_t lineStart = 0;
  while (lineStart < text.size()) {
    size_t lineEnd = text.find_first_of(L"\r\n", lineStart);
    if (lineEnd == std::wstring::npos) lineEnd = text.size();
    const std::wstring line = Trim(text, lineStart, lineEnd);
    lineStart = lineEnd + 1;

    if (line.empty() || line[0] == L';') continue;
    const size_t close = line.rfind(L']');
    if (line[0] == L'[' && close != std::wstring::npos) {
      // Keys under a repeated header are never found (the first section wins), so they are skipped.
      const bool added = sectionIndex_.emplace(FoldCase(Trim(line, 1, close)), sections_.size()).second;
      current = added ? sections_.size() : kNone;
      if (added) sections_.emplace_back();
      continue;
    }
    if (current == kNone) continue;
    Section& section = sections_[current];

    Entry entry;
    const size_t equals = line.find(L'=');
    entry.key = Trim(line, 0, equals == std::wstring::npos ? line.size() : equals);
    if (equals != std::wstring::npos) {
      entry.value = Trim(line, equals + 1, line.size());
      entry.hasValue = true;
    }
    if (entry.key.empty()) continue;
    if (section.index.emplace(FoldCase(entry.key), section.entries.size()).second) {
      section.entries.push_back(std::move(entry));
    }
  }
}

const IniFile::Section* IniFile::FindSection(const std::wstring& name) const {
  const auto found = sectionIndex_.find(FoldCase(Trim(name)));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

std::wstring IniFile::ReadString(const std::wstring& section, const std::wstring& key,
                                 const std::wstring& defaultValue) const {
  const Section* found = FindSection(section);
  if (!found) return defaultValue;
  const auto entry = found->index.find(FoldCase(Trim(key)));
  if (entry == found->index.end()) return defaultValue;
  const Entry& e = found->entries[entry->second];
  return e.hasValue ? StripQuotes(e.value) : defaultValue;
}

std::vector<std::wstring> IniFile::SectionKeys(const std::wstring& section) const {
  std::vector<std::wstring> keys;
  if (const Section* found = FindSection(section)) {
    for (const Entry& e : found->entries) keys.push_back(e.key);
  }
  return keys;
}

}  // namespace framework
