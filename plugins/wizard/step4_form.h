// Step 4: reports success, shows the device ID, takes a name and offers what to do next.
#pragma once
#include "plugins/wizard/color_edit.h"
#include "plugins/wizard/step_form.h"

namespace wizard {

class TFCorvilStep4 : public TStepForm {
 public:
  TFCorvilStep4(HWND owner, const StepContext& context);

  forms::Label lb_Title{*this, L"lb_Title", {25, 19, 328, 17}};
  forms::Label lb_SuccessTitle{*this, L"lb_SuccessTitle", {25, 42, 328, 17}, L"恭禧!"};
  forms::Label lb_SuccessNotes{*this, L"lb_SuccessNotes", {25, 65, 328, 17}, L"您的鍵盤現在已可以使用!"};
  forms::Label lb_DeviceName{*this, L"lb_DeviceName", {25, 94, 137, 19}, L"請給您的鍵盤命名或忽略 :"};
  forms::Label lb_DeviceID{*this, L"lb_DeviceID", {25, 108, 137, 19}, L"請給您的鍵盤命名或忽略 :"};
  forms::Label lb_NotesTitle{*this, L"lb_NotesTitle", {25, 121, 328, 12}, L"鍵盤命名何用 :"};
  forms::Label lb_Notes{*this, L"lb_Notes", {25, 136, 328, 52}};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {208, 9, 131, 18}};
  forms::Image im_Totem{*this, L"im_Totem", {182, 8, 20, 20}};
  TColorEdit ed_DeviceName{*this, L"ed_DeviceName", {211, 86, 121, 21}};
  TColorEdit ed_DeviceID{*this, L"ed_DeviceID", {211, 109, 121, 21}};
  forms::Button bt_PairNextKeyboard{*this, L"bt_PairNextKeyboard", {25, 175, 124, 35}};
  forms::Button bt_PairNextMouse{*this, L"bt_PairNextMouse", {24, 207, 124, 35}};
  forms::Button bt_Success{*this, L"bt_Success", {247, 209, 124, 35}};
  forms::Button bt_OpenCorvilManager{*this, L"bt_OpenCorvilManager", {24, 248, 124, 35}};
  forms::Button bt_Exit{*this, L"bt_Exit", {247, 248, 124, 35}};
  forms::Button bt_Close{*this, L"bt_Close", {345, 5, 20, 20}};

  const std::wstring& DefaultName() const { return defaultName_; }

 private:
  void FormCreate();
  void FormShow();
  void CopyName();
  void bt_PairNextMouseClick();
  void bt_OpenCorvilManagerClick();
  void bt_SuccessClick();
  void bt_ExitClick();
  void bt_CloseClick();

  std::wstring defaultName_;
};

}  // namespace wizard
