// The yes/no question: a message, Yes and No, and a window-close button; skinned and cut to the
// outline of its background like the confirmation dialog.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "skin/win32/lustrea.h"

namespace notabox {

// What the question returns. Any way of closing other than the two answers is no answer at all, so
// that the caller changes nothing.
enum Answer : int32_t { kNoAnswer = -1, kNo = 0, kYes = 1 };

class TFNotabox : public forms::Form {
 public:
  // `question` may be null (shown empty). `formsRoot` ends with a backslash; the current directory
  // must be the dialog's folder.
  TFNotabox(HWND owner, const wchar_t* question, const std::wstring& formsRoot, uint16_t languageId);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 301, 153}};
  forms::Label lb_Message{*this, L"lb_Message", {57, 28, 210, 70}};
  forms::Button bt_Yes{*this, L"bt_Yes", {62, 108, 77, 26}};
  forms::Button bt_No{*this, L"bt_No", {162, 108, 77, 26}};
  forms::Button bt_WindowClose{*this, L"bt_WindowClose", {266, 14, 21, 19}};

  int32_t* result = nullptr;  // where the buttons store the Answer

 private:
  void FormCreate();
  void FormActivate();
  void SetResult(int32_t value);

  uint16_t languageId_ = 0;
  std::wstring languageName_;
  // Declared last: destroyed first, while the skinned controls still exist.
  std::unique_ptr<skin::Lustrea> skin_;
};

}  // namespace notabox
