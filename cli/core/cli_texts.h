// The tool's messages to the user, by key of the language files' [TandraCli] section. The English
// texts here are the last fallback, for a tool started outside an installation (no language files);
// translators work on assets/texts/cli/<Language>.ini, whose English file holds the same texts.
#pragma once
#include <functional>
#include <string>

namespace cli {

inline const wchar_t kTextSection[] = L"TandraCli";

// A key's text in the user's language: "" when no language file has it.
using TextLookup = std::function<std::wstring(const std::wstring& key)>;

// The built-in English text of a key ("" for an unknown key).
std::wstring EnglishText(const std::wstring& key);

// The text of `key` (the lookup's, else the built-in English one) with "%s" replaced by `argument`.
std::wstring Message(const TextLookup& lookup, const std::wstring& key,
                     const std::wstring& argument = std::wstring());

}  // namespace cli
