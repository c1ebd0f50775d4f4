// The names of skinned controls for screen readers. A button whose caption lives in its bitmap (or
// that shows a symbol, like the close cross) would otherwise have no window text at all; the skin
// gives it the text the bitmap shows, from the language files, and paints over it as before.
#pragma once
#include <string>
#include <vector>

#include "framework/core/ini_file.h"

namespace skin {

// Sections of the language files: the captions drawn into the skin bitmaps, and the names of the
// bitmaps that show a symbol; both keyed by the bitmap's file name without ".bmp".
inline constexpr wchar_t kSkinCaptionsSection[] = L"SkinCaptions";
inline constexpr wchar_t kSkinNamesSection[] = L"SkinNames";

// "Pair.bmp" -> "Pair"; any folder part is dropped.
std::wstring SkinNameKey(const std::wstring& file);

// A bitmap caption as one line: its four-backslash split marks become a blank between words, and
// nothing between Chinese, Japanese or Korean characters.
std::wstring NameFromCaption(const std::wstring& caption);

// The language files that name the skin bitmaps, the selected language first.
// Plug-ins and the host: "..\Texts\<language>.txt" from their own folder, then English.
std::vector<std::wstring> LanguageNameFiles(const std::wstring& languageFolder);
// The pairing tool: its own language files in its data folder (with a trailing separator).
std::vector<std::wstring> PairToolNameFiles(const std::wstring& dataFolder, const std::wstring& languageName);

// Names looked up key by key: the first file that has the key in [SkinCaptions] or [SkinNames] wins.
class SkinNameBook {
 public:
  SkinNameBook() = default;
  explicit SkinNameBook(std::vector<framework::IniFile> files) : files_(std::move(files)) {}
  // Missing files read as empty.
  static SkinNameBook Open(const std::vector<std::wstring>& paths);

  // "" when no file names the key.
  std::wstring NameOf(const std::wstring& key) const;

 private:
  std::vector<framework::IniFile> files_;
};

// The window text a skinned button, check box or radio button should carry: its own caption when it
// has one; else the name its skin bitmap shows; else its component name without the kind prefix
// ("bt_Pair" -> "Pair"), so that no control is left unnamed.
std::wstring AccessibleName(const std::wstring& caption, const std::wstring& skinName,
                            const std::wstring& componentName);

// Whether the skin draws the control's caption over its bitmap: not when the bitmap already shows
// it, nor when it is a name the skin gave the control only for screen readers.
bool SkinDrawsCaption(const std::wstring& caption, const std::wstring& skinName,
                      const std::wstring& assignedName);

}  // namespace skin
