// Step 2: tells the user how to switch the device on and runs the pairing exchange with the host.
#pragma once
#include "plugins/wizard/core/pairing_exchange.h"
#include "plugins/wizard/step_form.h"

namespace wizard {

class TFCorvilStep2 : public TStepForm, private PairingPort {
 public:
  TFCorvilStep2(HWND owner, const StepContext& context);

  forms::Label lb_ActivateDeviceTitle{*this, L"lb_ActivateDeviceTitle", {23, 33, 328, 17}, L"啟動您要配對的滑鼠"};
  forms::Label lb_ActivateDeviceHint{*this, L"lb_ActivateDeviceHint", {23, 47, 328, 17},
                                     L"(如鼠标休眠在按键唤醒状态,请按任意键唤醒)"};
  forms::Label lb_FirstNotes{*this, L"lb_FirstNotes", {23, 63, 328, 17}};
  forms::Label lb_FirstNotesHint{*this, L"lb_FirstNotesHint", {23, 78, 328, 17}};
  forms::Label lb_SecondNotes{*this, L"lb_SecondNotes", {23, 93, 328, 17}};
  forms::Label lb_SecondNotesHint{*this, L"lb_SecondNotesHint", {23, 107, 328, 17}};
  forms::Label lb_ThirdNotes{*this, L"lb_ThirdNotes", {23, 123, 328, 17}};
  forms::Label lb_ThirdNotesHint{*this, L"lb_ThirdNotesHint", {23, 138, 328, 17}};
  forms::Label lb_FourthNotes{*this, L"lb_FourthNotes", {23, 152, 328, 17}};
  forms::Label lb_FourthNotesHint{*this, L"lb_FourthNotesHint", {25, 165, 328, 17}};
  forms::Label lb_PicNotes1{*this, L"lb_PicNotes1", {31, 188, 74, 37}, L"OFF ( 電源關 )"};
  forms::Label lb_PicNotes2{*this, L"lb_PicNotes2", {287, 188, 66, 37}, L"ON ( 電源開 )"};
  forms::Label lb_Hint{*this, L"lb_Hint", {31, 251, 236, 14}, L"(提示 : 電源開關位於設備的底部)"};
  forms::Label lb_Message{*this, L"lb_Message", {152, 311, 60, 18}};
  forms::Label lb_ProgramTitle{*this, L"lb_ProgramTitle", {208, 9, 131, 18}};
  forms::Image im_Totem{*this, L"im_Totem", {182, 8, 20, 20}};
  forms::Button bt_PreviousStep{*this, L"bt_PreviousStep", {273, 251, 87, 37}};
  forms::Button bt_Close{*this, L"bt_Close", {344, 5, 20, 20}};
  forms::Button bt_NextStep{*this, L"bt_NextStep", {273, 311, 88, 37}};
  forms::Timer tmr_Corvil{*this, L"tmr_Corvil", kTickIntervalMs, false};

  const PairingExchange& Exchange() const { return exchange_; }

 private:
  void FormCreate();
  void FormShow();
  bool FormCloseQuery();
  void tmr_CorvilTimer();
  void bt_PreviousStepClick();
  void bt_CloseClick();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // PairingPort: the host's messages, the countdown label, the timer, the record.
  intptr_t SendStart() override;
  intptr_t SendGetId() override;
  void SendStop() override;
  void ShowCountdown(const std::wstring& text) override;
  void SetTimerRunning(bool running) override;
  void StoreDeviceId(uint32_t id) override;
  void Finish(int32_t value) override;
  LRESULT SendToHost(const wchar_t* message, WPARAM wParam) const;

  PairingExchange exchange_{*this};
  WNDPROC previousProc_ = nullptr;
};

}  // namespace wizard
