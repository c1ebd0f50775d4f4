#include "outside/dialogkit/dialog_support.h"

#include "framework/core/file_io.h"
#include "framework/core/language.h"
#include "framework/win32/plugin_library.h"

namespace dialogkit {

DialogFolders EnterDialogFolder(HMODULE module) {
  DialogFolders folders;
  folders.own = framework::ModuleFolder(module);
  SetCurrentDirectoryW(folders.own.c_str());
  folders.formsRoot = framework::ParentFolder(folders.own);
  return folders;
}

std::wstring LanguageBitmap(const std::wstring& languageName, const std::wstring& file) {
  for (const std::wstring& folder : {languageName, std::wstring(framework::kEnglish)}) {
    const std::wstring path = L".\\" + folder + L"\\" + file;
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

std::wstring LanguageNameOf(uint16_t languageId) {
  return framework::LanguageNameFor(languageId, GetUserDefaultLangID());
}

std::wstring CutText(const wchar_t* text, size_t maxUnits) {
  if (text == nullptr || maxUnits == 0) return std::wstring();
  size_t length = 0;
  while (length < maxUnits && text[length] != L'\0') ++length;
  if (length == maxUnits && text[length] != L'\0' && IS_HIGH_SURROGATE(text[length - 1])) --length;
  return std::wstring(text, length);
}

HWND CallerWindow() { return GetActiveWindow(); }

void StyleMessageLabel(forms::Label& label) {
  label.SetAutoSize(false);
  label.SetWordWrap(true);
  label.SetLayout(forms::TextLayout::kCenter);
  label.SetFont({L"Tahoma", 13, false, RGB(0, 128, 128)});
}

void PlaceDialog(forms::Form& form, const forms::Image& background, skin::Lustrea& skin) {
  form.SetSize(background.Width(), background.Height());
  form.CenterOnScreen();
  form.SetExStyle(forms::Form::ToolWindowStyle(forms::Application::MainFormExStyle()));
  skin.Active();
}

}  // namespace dialogkit
