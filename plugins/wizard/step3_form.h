// Step 3: the user confirms that the device that answered is theirs.
#pragma once
#include "plugins/wizard/step_form.h"

namespace wizard {

class TFCorvilStep3 : public TStepForm {
 public:
  TFCorvilStep3(HWND owner, const StepContext& context);

  forms::Label lb_Title{*this, L"lb_Title", {23, 20, 328, 17}, L"鍵盤配對程式"};
  forms::Label lb_ConfirmDeviceTitle{*this, L"lb_ConfirmDeviceTitle", {23, 43, 328, 17}, L"已檢測到您的鍵盤"};
  forms::Label lb_TitleNotes{*this, L"lb_TitleNotes", {26, 71, 328, 17},
                             L"為確保配對後就是您的鍵盤, 請按下 Windows 鍵確認."};
  forms::Label lb_Hint{*this, L"lb_Hint", {26, 112, 328, 44}};
  forms::Label lb_ConfirmYesNo{*this, L"lb_ConfirmYesNo", {26, 173, 328, 17}, L"請確認鍵盤 Windows 鍵是否啟用 :"};
  forms::Label lb_Yes{*this, L"lb_Yes", {45, 194, 50, 17}, L"是 (Y)"};
  forms::Label lb_No{*this, L"lb_No", {118, 194, 50, 17}, L"否 (N)"};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {208, 9, 131, 18}};
  forms::Image im_Totem{*this, L"im_Totem", {182, 8, 20, 20}};
  forms::RadioButton rb_OnWork{*this, L"rb_OnWork", {27, 196, 12, 13}};
  forms::RadioButton rb_UnWork{*this, L"rb_UnWork", {100, 196, 12, 13}};
  forms::Button bt_Back{*this, L"bt_Back", {177, 250, 87, 37}};
  forms::Button bt_NextStep{*this, L"bt_NextStep", {270, 250, 88, 37}};
  forms::Button bt_Close{*this, L"bt_Close", {344, 5, 20, 20}};

 private:
  void FormShow();
  void bt_NextStepClick();
  void bt_BackClick();
  void bt_CloseClick();
};

}  // namespace wizard
