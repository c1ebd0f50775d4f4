// What the outside dialogs share: entering their own folder, finding bitmaps by language, the
// message label's look and the dialog's placement, and cutting runaway texts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "forms/forms.h"
#include "skin/win32/lustrea.h"

namespace dialogkit {

// The dialog's folder and the forms root above it, both with a trailing backslash.
struct DialogFolders {
  std::wstring own;
  std::wstring formsRoot;
};

// Makes the folder of `module` the current directory (bitmaps and the layout file are found relative
// to it) and returns it with its parent. The caller sets its own directory back if it needs it.
DialogFolders EnterDialogFolder(HMODULE module);

// ".\<languageName>\<file>", else ".\English\<file>", else "" when neither exists.
std::wstring LanguageBitmap(const std::wstring& languageName, const std::wstring& file);

// The language name of `languageId`, 0 standing for the user's default.
std::wstring LanguageNameOf(uint16_t languageId);

// At most `maxUnits` UTF-16 units of a NUL-terminated text, never cutting a surrogate pair; null
// gives "".
std::wstring CutText(const wchar_t* text, size_t maxUnits);

// The dialog's text label: fixed size, word-wrapped, centred vertically, teal Tahoma 13 px.
void StyleMessageLabel(forms::Label& label);

// What both dialogs do when created: take the background's size, centre on the screen, no taskbar
// button, activate the skin.
void PlaceDialog(forms::Form& form, const forms::Image& background, skin::Lustrea& skin);

// The dialog's form, seen by the other process's driver and by the caller looking for open dialogs:
// the active window of the caller owns it, so it stays above the caller.
HWND CallerWindow();

}  // namespace dialogkit
