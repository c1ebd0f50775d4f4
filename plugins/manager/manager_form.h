// The paired-device manager's window: one row per device slot with the mouse columns above and the
// keyboard columns below, the meeting display mode, OK and Cancel. What the rows show and what every
// click does is decided by ManagerModel (core/); this class mirrors its rows onto the controls.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "framework/core/plugin_contract.h"
#include "plugins/manager/core/manager_model.h"
#include "plugins/manager/manager_dialogs.h"
#include "skin/win32/lustrea.h"

namespace manager {

// The controls of one slot of one kind (the pen label only for mice).
struct SlotControls {
  std::unique_ptr<forms::Label> pen;
  std::unique_ptr<forms::CheckBox> enable;
  std::unique_ptr<forms::Label> activate;
  std::unique_ptr<forms::Button> remove;
  std::unique_ptr<forms::Label> id;
  std::unique_ptr<forms::Label> name;
};

class TFCorvilManager : public forms::Form {
 public:
  // The current directory must be the plug-in's folder; both folders end with a backslash.
  TFCorvilManager(HWND owner, uint16_t languageId, const std::wstring& text, const std::wstring& formsRoot,
                  const std::wstring& pluginFolder);
  ~TFCorvilManager() override;

  // The host's block and the entry's result variable; set before FireCreate.
  void Attach(contract::TCorvilManagerParams* params, int32_t* result);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 549, 557}};
  forms::Image im_Totem{*this, L"im_Totem", {16, 48, 56, 56}};
  forms::Image im_Poetry{*this, L"im_Poetry", {400, 48, 133, 56}};
  forms::Label lb_Title{*this, L"lb_Title", {16, 11, 400, 20}};
  forms::Button bt_Close{*this, L"bt_Close", {517, 10, 20, 20}};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {84, 46, 300, 18}};
  forms::Label lb_Notes{*this, L"lb_Notes", {84, 64, 314, 48}};
  std::array<std::unique_ptr<forms::Label>, 7> lb_Notes_;  // lb_Notes_1 .. lb_Notes_7
  forms::Label lb_PenColor{*this, L"lb_PenColor", {16, 120, 40, 16}};
  forms::Label lb_MouseStatus{*this, L"lb_MouseStatus", {104, 120, 72, 16}};
  forms::Label lb_MouseRemoveID{*this, L"lb_MouseRemoveID", {178, 120, 70, 16}};
  forms::Label lb_MouseID{*this, L"lb_MouseID", {250, 120, 96, 16}};
  forms::Label lb_MouseName{*this, L"lb_MouseName", {350, 120, 184, 16}};
  forms::Label lb_KeyboardStatus{*this, L"lb_KeyboardStatus", {104, 286, 72, 16}};
  forms::Label lb_KeyboardRemoveID{*this, L"lb_KeyboardRemoveID", {178, 286, 70, 16}};
  forms::Label lb_KeyboardID{*this, L"lb_KeyboardID", {250, 286, 96, 16}};
  forms::Label lb_KeyboardName{*this, L"lb_KeyboardName", {350, 286, 184, 16}};
  std::array<SlotControls, kSlots> mouseRows;
  std::array<SlotControls, kSlots> keyboardRows;
  forms::Label lb_NoDeviceString{*this, L"lb_NoDeviceString", {400, 452, 100, 16}};
  forms::Label lb_ActivateDevice{*this, L"lb_ActivateDevice", {400, 470, 100, 16}};
  forms::Label lb_DisplayMouseNameType{*this, L"lb_DisplayMouseNameType", {20, 452, 300, 16}};
  forms::RadioButton rb_DisplayMouseText{*this, L"rb_DisplayMouseText", {24, 474, 12, 13}};
  forms::RadioButton rb_DisplayColorCircle{*this, L"rb_DisplayColorCircle", {24, 494, 12, 13}};
  forms::RadioButton rb_Undisplay{*this, L"rb_Undisplay", {24, 514, 12, 13}};
  forms::Label lb_DisplayMouseText{*this, L"lb_DisplayMouseText", {42, 472, 290, 16}};
  forms::Label lb_DisplayColorCircle{*this, L"lb_DisplayColorCircle", {42, 492, 290, 16}};
  forms::Label lb_Undisplay{*this, L"lb_Undisplay", {42, 512, 290, 16}};
  forms::ComboBox cb_Dongle{*this, L"cb_Dongle", {352, 470, 120, 22}};
  forms::Label lb_DongleName{*this, L"lb_DongleName", {352, 452, 120, 16}};
  forms::Edit ed_DeviceName{*this, L"ed_DeviceName", {352, 490, 120, 20}};
  forms::Label lb_Notes2{*this, L"lb_Notes2", {352, 456, 180, 54}};
  forms::Button bt_OK{*this, L"bt_OK", {352, 518, 77, 26}};
  forms::Button bt_Cancel{*this, L"bt_Cancel", {446, 518, 77, 26}};

 private:
  void BuildRows();
  SlotControls& Row(Kind kind, int slot) { return (kind == Kind::kMouse ? mouseRows : keyboardRows)[slot - 1]; }
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormMouseDown(forms::MouseButton button, int x, int y);
  bool FormCloseQuery();
  int ReadActiveDeviceCount() const;
  ManagerTexts Texts() const;
  // Sends AM_CorvilManager_Insert with the hourglass showing.
  int32_t SendInsert(contract::TCorvilManagerParams* accepted, contract::TCorvilManagerParams* wanted);
  // Runs a model action, mirrors the rows and closes when the model asks for it.
  template <typename Action>
  void Act(Action action);
  void ApplyRows();
  void SelectDisplayRadio(int32_t mode);
  void rb_DisplayMouseTextClick();

  uint16_t languageId_;
  std::wstring languageName_;
  std::wstring text_;
  std::wstring formsRoot_;
  std::wstring pluginFolder_;
  contract::TCorvilManagerParams* params_ = nullptr;
  int32_t* result_ = nullptr;
  int activeCount_ = kSlots;
  ManagerDialogs dialogs_;
  std::unique_ptr<ManagerModel> model_;
  // Declared last: destroyed first, while the skinned controls still exist.
  std::unique_ptr<skin::Lustrea> skin_;
};

}  // namespace manager
