// Every text of the generated language files against its language's glossary (assets/glossary):
// forbidden variants of a term, words of the other register, punctuation, and that a text naming a
// button or a choice uses the caption that control really shows. The files are the ones the build
// stages, read the way the programs read them (UTF-16 with BOM), so a generator fault shows too.
#ifdef SUITE_TEXTS_STAGE
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"
#include "framework/core/strutil.h"
#include "framework/core/text_codec.h"

namespace {

using Section = std::vector<std::pair<std::wstring, std::wstring>>;  // key, value in file order
using Texts = std::map<std::wstring, Section>;

const wchar_t* const kLanguages[] = {L"English", L"ChineseT", L"ChineseS", L"German",  L"FrenchF",
                                     L"Italian", L"Japanese", L"Korean",   L"Dutch",   L"PortugueseP",
                                     L"Russian", L"Turkish",  L"Spanish"};
const wchar_t kLineBreak[] = L"\\\\\\\\";

std::wstring Stage(const std::wstring& relative) {
  return framework::DecodeUtf8(SUITE_TEXTS_STAGE) + L"/" + relative;
}
std::wstring GlossaryFile(const std::wstring& name) {
  return framework::DecodeUtf8(SUITE_GLOSSARY) + L"/" + name + L".ini";
}
std::string Narrow(const std::wstring& text) { return framework::EncodeUtf8(text); }

// Adds the sections of one staged file; a file that does not exist adds nothing.
void AddFile(const std::wstring& path, Texts& texts) {
  const auto bytes = framework::ReadFileBytes(path);
  if (!bytes) return;
  const std::wstring content = framework::DecodeTextFile(*bytes, framework::DecodeCp1252);
  Section* current = nullptr;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find(L'\n', start);
    if (end == std::wstring::npos) end = content.size();
    std::wstring line = content.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (line.empty() || line[0] == L';') continue;
    if (line[0] == L'[') {
      current = &texts[line.substr(1, line.find(L']') - 1)];
      continue;
    }
    const size_t eq = line.find(L'=');
    if (current == nullptr || eq == std::wstring::npos) continue;
    const std::wstring key = line.substr(0, eq);
    bool seen = false;
    for (const auto& entry : *current) seen = seen || entry.first == key;
    if (!seen) current->push_back({key, line.substr(eq + 1)});
  }
}

// The suite's texts of a language and, where it has them, the pairing tool's.
Texts LoadTexts(const std::wstring& language) {
  Texts texts;
  AddFile(Stage(L"Data/Tandra_Technology/Forms/Texts/" + language + L".txt"), texts);
  AddFile(Stage(L"data/" + language + L".txt"), texts);
  return texts;
}

// What a reader sees of a caption: line-break marks as blanks, without an accelerator in brackets
// such as " (N)" at the end.
std::wstring Shown(std::wstring text) {
  for (size_t at; (at = text.find(kLineBreak)) != std::wstring::npos;) text.replace(at, 4, L" ");
  const size_t n = text.size();
  if (n >= 4 && text[n - 1] == L')' && text[n - 3] == L'(' && (text[n - 4] == L' ' || n == 4)) {
    text.resize(n - 4);
  }
  return text;
}

// Lower case for the scripts of the suite's languages (Latin, Greek, Cyrillic); others unchanged.
wchar_t Lower(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c == 0x130) return L'i';
  if (c >= 0x100 && c <= 0x17F && c % 2 == 0) return c + 1;
  return c;
}
std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = Lower(c);
  return text;
}
bool IsCasedLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) ||
         (c >= 0x370 && c <= 0x4FF);
}
bool IsHan(wchar_t c) {  // Chinese characters and Japanese kana
  return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}
// Chinese or Japanese text around a mark: characters, kana, or full-width punctuation.
bool IsCjkContext(wchar_t c) { return IsHan(c) || (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF60); }
bool IsBlank(wchar_t c) { return c == L' ' || c == 0xA0 || c == 0x202F || c == 0x3000; }

std::vector<std::wstring> Split(const std::wstring& list) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(L'|', start);
    if (end == std::wstring::npos) end = list.size();
    const std::wstring part = framework::TrimBlanks(list.substr(start, end - start));
    if (!part.empty()) parts.push_back(part);
    start = end + 1;
  }
  return parts;
}

// True when `word` occurs in `text` with no cased letter right before or after it.
bool HasWord(const std::wstring& text, const std::wstring& word) {
  const std::wstring lower = Lower(text), needle = Lower(word);
  for (size_t at = lower.find(needle); at != std::wstring::npos; at = lower.find(needle, at + 1)) {
    const size_t end = at + needle.size();
    if ((at == 0 || !IsCasedLetter(lower[at - 1])) && (end == lower.size() || !IsCasedLetter(lower[end]))) return true;
  }
  return false;
}

class Glossary : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  void SetUp() override {
    language_ = GetParam();
    texts_ = LoadTexts(language_);
    ASSERT_FALSE(texts_.empty()) << "no staged texts for " << Narrow(language_);
    glossary_ = framework::IniFile::Open(GlossaryFile(language_));
    ASSERT_TRUE(glossary_.Exists()) << "no glossary for " << Narrow(language_);
  }
  std::wstring Rule(const std::wstring& section, const std::wstring& key) const {
    return glossary_.ReadString(section, key, L"");
  }
  // Calls check(section, key, shown text) for every text; check returns a fault or "".
  template <typename Check>
  void ForEachText(Check check) const {
    std::string faults;
    for (const auto& [section, entries] : texts_) {
      for (const auto& [key, value] : entries) {
        const std::wstring fault = check(section, key, Shown(value));
        if (!fault.empty()) faults += Narrow(L"[" + section + L"] " + key + L": " + fault) + "\n";
      }
    }
    if (!faults.empty()) ADD_FAILURE() << Narrow(language_) << ":\n" << faults;
  }

  std::wstring language_;
  Texts texts_;
  framework::IniFile glossary_;
};

TEST_P(Glossary, EachTermIsUsedAndNoForbiddenVariantAppears) {
  std::wstring all;
  for (const auto& [section, entries] : texts_)
    for (const auto& entry : entries) all += Lower(Shown(entry.second)) + L"\n";
  for (const auto& term : glossary_.SectionKeys(L"Terms")) {
    bool used = false;
    for (const auto& form : Split(Rule(L"Terms", term))) used = used || all.find(Lower(form)) != std::wstring::npos;
    EXPECT_TRUE(used) << Narrow(language_) << ": no text uses the glossary's word for " << Narrow(term);
  }
  const auto forbidden = glossary_.SectionKeys(L"Forbidden");
  ForEachText([&](const std::wstring&, const std::wstring&, const std::wstring& text) {
    std::wstring fault;
    for (const auto& variant : forbidden) {
      if (Lower(text).find(Lower(variant)) != std::wstring::npos) {
        fault += L"'" + variant + L"' (" + Rule(L"Forbidden", variant) + L") ";
      }
    }
    return fault;
  });
}

TEST_P(Glossary, EveryTextKeepsTheOneRegister) {
  const auto markers = Split(Rule(L"Register", L"Markers"));
  ForEachText([&](const std::wstring&, const std::wstring&, const std::wstring& text) {
    std::wstring fault;
    for (const auto& marker : markers) {
      if (HasWord(text, marker)) fault += L"'" + marker + L"' is of the other register ";
    }
    return fault;
  });
}

TEST_P(Glossary, PunctuationFollowsTheLanguagesRules) {
  const std::wstring noBreak = Rule(L"Punctuation", L"NoBreakSpaceBefore");
  const std::wstring noSpace = Rule(L"Punctuation", L"NoSpaceBefore");
  const std::wstring notUsed = Rule(L"Punctuation", L"NotUsed");
  const bool fullWidth = Rule(L"Punctuation", L"FullWidth") == L"yes";
  const auto paired = Split(Rule(L"Punctuation", L"Paired"));
  ForEachText([&](const std::wstring&, const std::wstring&, const std::wstring& text) -> std::wstring {
    for (size_t i = 0; i < text.size(); ++i) {
      const wchar_t c = text[i];
      const wchar_t before = i > 0 ? text[i - 1] : L'\0';
      if (i > 0 && noBreak.find(c) != std::wstring::npos && before != 0xA0 && before != 0x202F)
        return std::wstring(L"'") + c + L"' without a no-break space before it";
      if (i > 0 && noSpace.find(c) != std::wstring::npos && IsBlank(before))
        return std::wstring(L"a blank before '") + c + L"'";
      if (notUsed.find(c) != std::wstring::npos) return std::wstring(L"'") + c + L"' is not used in this language";
      if (fullWidth) {
        size_t left = i, right = i + 1;
        while (left > 0 && IsBlank(text[left - 1])) --left;
        while (right < text.size() && IsBlank(text[right])) ++right;
        const bool hanBefore = left > 0 && IsCjkContext(text[left - 1]);
        const bool hanAfter = right < text.size() && IsCjkContext(text[right]);
        if ((std::wstring(L",:;?!)").find(c) != std::wstring::npos && hanBefore) || (c == L'(' && hanAfter))
          return std::wstring(L"half-width '") + c + L"' in Chinese or Japanese text";
      }
    }
    for (const auto& pair : paired) {
      if (pair.size() == 2 && std::count(text.begin(), text.end(), pair[0]) != std::count(text.begin(), text.end(), pair[1]))
        return L"'" + pair + L"' do not pair up";
    }
    return L"";
  });
}

// A quoted caption and every caption a text names (References.ini) exist as that control shows them.
TEST_P(Glossary, NamedButtonsAndChoicesExistWithThatCaption) {
  const auto lookup = [&](const std::wstring& sectionKey) -> const std::wstring* {
    const size_t slash = sectionKey.find(L'/');
    const auto section = texts_.find(sectionKey.substr(0, slash));
    if (section == texts_.end()) return nullptr;
    for (const auto& entry : section->second)
      if (entry.first == sectionKey.substr(slash + 1)) return &entry.second;
    return nullptr;
  };
  const framework::IniFile references = framework::IniFile::Open(GlossaryFile(L"References"));
  const auto referring = references.SectionKeys(L"References");
  ASSERT_FALSE(referring.empty());
  for (const auto& from : referring) {
    const std::wstring* text = lookup(from);
    if (text == nullptr) continue;  // the pairing tool's texts exist in three languages only
    for (const auto& to : Split(references.ReadString(L"References", from, L""))) {
      const std::wstring* caption = lookup(to);
      ASSERT_NE(caption, nullptr) << Narrow(language_ + L": " + to);
      EXPECT_NE(Shown(*text).find(Shown(*caption)), std::wstring::npos)
          << Narrow(language_ + L": " + from + L" does not name " + to + L" as it reads: " + Shown(*caption));
    }
  }

  const std::wstring quotes = Rule(L"Punctuation", L"Quotes");
  if (quotes.size() != 2) return;
  std::vector<std::wstring> captions = Split(Rule(L"Punctuation", L"External"));
  for (const auto& [section, entries] : texts_)
    for (const auto& entry : entries) captions.push_back(Shown(entry.second));
  ForEachText([&](const std::wstring&, const std::wstring&, const std::wstring& text) -> std::wstring {
    for (size_t open = text.find(quotes[0]); open != std::wstring::npos; open = text.find(quotes[0], open + 1)) {
      const size_t close = text.find(quotes[1], open + 1);
      if (close == std::wstring::npos) return L"quote not closed";
      std::wstring named = framework::TrimBlanks(text.substr(open + 1, close - open - 1));
      for (auto& c : named) if (c == 0xA0 || c == 0x202F) c = L' ';
      named = framework::TrimBlanks(named);
      if (std::find(captions.begin(), captions.end(), named) == captions.end())
        return L"names " + named + L", which no control shows";
    }
    return L"";
  });
}

INSTANTIATE_TEST_SUITE_P(Languages, Glossary, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) { return Narrow(info.param); });

}  // namespace
#endif  // SUITE_TEXTS_STAGE
