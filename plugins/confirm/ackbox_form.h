// The confirmation dialog: one message, an OK button and a window-close button, skinned and cut to
// the outline of its background.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "skin/win32/lustrea.h"

namespace ackbox {

// What the dialog returns: which button closed it.
enum DialogResult : int32_t { kClosedOtherwise = 0, kOk = 1, kWindowClose = 3 };

class TFAckbox : public forms::Form {
 public:
  // `message` may be null (shown as an empty text); `reserved` is not used. `formsRoot` ends with a
  // backslash; the current directory must be the plug-in's folder.
  TFAckbox(HWND owner, uint32_t reserved, const wchar_t* message, const std::wstring& formsRoot,
           uint16_t languageId);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 301, 153}};
  forms::Label lb_Message{*this, L"lb_Message", {57, 32, 200, 66}};
  forms::Button bt_OK{*this, L"bt_OK", {117, 104, 77, 26}, L"OK"};
  forms::Button bt_WindowClose{*this, L"bt_WindowClose", {263, 15, 21, 19}};

  uint16_t languageId = 0;
  std::wstring formsRoot;
  std::wstring languageName;
  int32_t* result = nullptr;  // where the buttons store the DialogResult

  // The language name of `id` (0 = the user's default) into languageName.
  void xGetQuarnLanguage(uint16_t id);
  // ".\<languageName>\<file>", else ".\English\<file>", else "" when neither exists.
  std::wstring xCheckFile(const std::wstring& file) const;

 private:
  void FormCreate();
  void FormActivate();
  void FormMouseDown(forms::MouseButton button, int x, int y);
  void bt_OKClick();
  void bt_WindowCloseClick();
  bool FormCloseQuery();
  void SetResult(int32_t value);

  // Declared last: destroyed first, while the skinned controls still exist.
  std::unique_ptr<skin::Lustrea> skin;
};

}  // namespace ackbox
