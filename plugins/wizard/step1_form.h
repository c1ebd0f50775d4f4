// Step 1: mouse or keyboard, and for a mouse the kind of power switch.
#pragma once
#include "framework/core/plugin_contract.h"
#include "plugins/wizard/step_form.h"

namespace wizard {

class TFCorvilStep1 : public TStepForm {
 public:
  TFCorvilStep1(HWND owner, const StepContext& context);

  forms::Label lb_Title{*this, L"lb_Title", {28, 15, 147, 18}};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {208, 9, 131, 18}};
  forms::Image im_Totem{*this, L"im_Totem", {182, 8, 20, 20}};
  forms::Label lb_Contents{*this, L"lb_Contents", {31, 45, 318, 81}};
  forms::RadioButton rb_MousePair{*this, L"rb_MousePair", {31, 142, 12, 13}};
  // Created right after the mouse choice: radio buttons with nothing but labels between them form one
  // group, and the switch boxes would split it.
  forms::RadioButton rb_KeyboardPair{*this, L"rb_KeyboardPair", {30, 218, 12, 13}};
  forms::Label lb_MousePair{*this, L"lb_MousePair", {49, 139, 124, 18}, L"配對滑鼠"};
  forms::Label lb_MousePair_Type{*this, L"lb_MousePair_Type", {49, 161, 71, 18},
                                 L"選擇電源開關類型(電源開關位於設備的底部)"};
  forms::CheckBox rb_MousePair_Type1{*this, L"rb_MousePair_Type1", {49, 185, 18, 17}};
  forms::Label lb_MousePair_Type1{*this, L"lb_MousePair_Type1", {113, 179, 71, 18}, L"撥動式開關"};
  forms::CheckBox rb_MousePair_Type2{*this, L"rb_MousePair_Type2", {208, 179, 17, 17}};
  forms::Label lb_MousePair_Type2{*this, L"lb_MousePair_Type2", {285, 179, 64, 18}, L"按鍵式開關"};
  forms::Label lb_KeyboardPair{*this, L"lb_KeyboardPair", {48, 215, 124, 18}, L"配對鍵盤"};
  forms::Button bt_NextStep{*this, L"bt_NextStep", {261, 250, 87, 37}};
  forms::Button bt_Close{*this, L"bt_Close", {343, 5, 20, 20}};

  // Shared with the other steps (through FCorvilStep1).
  contract::WizardParams* record = nullptr;
  int32_t switchType = kSlideSwitch;
  bool multiDeviceOptions = false;

  int32_t DeviceType() const { return record != nullptr ? record->deviceType : kKeyboard; }

 private:
  void FormShow();
  void rb_MousePair_Type1Click();
  void rb_MousePair_Type2Click();
  void bt_NextStepClick();
  void bt_CloseClick();

  bool firstShowing_ = true;
};

}  // namespace wizard
