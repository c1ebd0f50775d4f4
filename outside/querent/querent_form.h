// The text input: a prompt, an edit box prefilled with the text to edit, OK, Cancel and a
// window-close button; skinned and cut to the outline of its background like the confirmation
// dialog.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/core/plugin_contract.h"
#include "forms/forms.h"
#include "skin/win32/lustrea.h"

namespace querent {

enum Result : int32_t { kKept = 0, kAccepted = 1 };

// The longest text the request block holds: 256 units with the terminating zero.
constexpr int kMaxTextLength = contract::kQuerentTextUnits - 1;

// A maximum length the block can hold: 1..255; zero, negative or larger values mean 255.
int EffectiveMaxLength(int32_t requested);

class TFQuerent : public forms::Form {
 public:
  // `request` is read in the constructor and written only when the user accepts (OK or Enter).
  // `formsRoot` ends with a backslash; the current directory must be the dialog's folder.
  TFQuerent(HWND owner, contract::QuerentRequest& request, const std::wstring& formsRoot);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 301, 153}};
  forms::Label lb_Prompt{*this, L"lb_Prompt", {57, 24, 210, 36}};
  forms::Edit ed_Text{*this, L"ed_Text", {57, 68, 210, 22}};
  forms::Button bt_OK{*this, L"bt_OK", {62, 108, 77, 26}};
  forms::Button bt_Cancel{*this, L"bt_Cancel", {162, 108, 77, 26}};
  forms::Button bt_WindowClose{*this, L"bt_WindowClose", {266, 14, 21, 19}};

  int32_t* result = nullptr;  // where OK stores kAccepted

 private:
  void FormCreate();
  void FormActivate();
  void bt_OKClick();
  // Enter anywhere (also in the edit box) accepts; Escape closes without a change.
  bool KeyCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer);

  contract::QuerentRequest& request_;
  std::wstring languageName_;
  // Declared last: destroyed first, while the skinned controls still exist.
  std::unique_ptr<skin::Lustrea> skin_;
};

}  // namespace querent
