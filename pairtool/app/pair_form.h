// The pairing tool's only window: three numbered steps, the Pair button, the two pairing codes and
// the countdown / result line. Borderless, drawn from its background, skinned and shaped.
#pragma once
#include <memory>
#include <string>

#include "forms/forms.h"
#include "framework/core/pairtool_texts.h"
#include "pairtool/run/pairing_run.h"
#include "skin/win32/lustrea.h"

class TSoftCpu;

class TPairForm : public forms::Form, private pairtool::PairingView {
 public:
  // programFolder ends with a backslash; the language files and skin bitmaps lie in its "data\".
  TPairForm(TSoftCpu& cpu, const std::wstring& programFolder, uint16_t languageId);

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {8, 8, 508, 331}};
  forms::Label lb_Title{*this, L"lb_Title", {20, 12, 288, 16}};
  forms::Label Label2{*this, L"Label2", {39, 55, 20, 16}, L"1. "};
  forms::Label Label3{*this, L"Label3", {39, 87, 20, 16}, L"2. "};
  forms::Label Label4{*this, L"Label4", {39, 117, 20, 16}, L"3. "};
  forms::Label lb_Step1{*this, L"lb_Step1", {60, 55, 430, 30}};
  forms::Label lb_Step2{*this, L"lb_Step2", {60, 87, 430, 30}};
  forms::Label lb_Step3{*this, L"lb_Step3", {60, 117, 430, 20}};
  forms::Label lb_Step31{*this, L"lb_Step31", {60, 139, 430, 40}};
  forms::Label lb_Message{*this, L"lb_Message", {200, 265, 147, 25}};
  forms::Button bt_Close{*this, L"bt_Close", {469, 8, 20, 20}};
  forms::Button bt_Pair{*this, L"bt_Pair", {60, 265, 90, 25}};
  forms::LabeledEdit le_MouseID{*this, L"le_MouseID", {153, 188, 112, 21}};
  forms::LabeledEdit le_KeybdID{*this, L"le_KeybdID", {153, 229, 112, 21}};
  forms::Timer tmr_Pair{*this, L"tmr_Pair", 500, false};

 private:
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormClose();
  void bt_PairClick();
  void bt_CloseClick();
  void tmr_PairTimer();
  void im_BackgroundImageMouseDown(forms::MouseButton button);
  void SetUpComponents();

  // What the pairing run shows.
  void ShowMessage(const std::wstring& text) override;
  void ShowMouseId(const std::wstring& text) override;
  void ShowKeyboardId(const std::wstring& text) override;
  void SetTimerEnabled(bool enabled) override;
  void Sleep(unsigned milliseconds) override;

  std::unique_ptr<skin::Lustrea> skin_;
  framework::PairToolTexts texts_;
  // The record of a page rewrite while it runs: %APPDATA%\Vantrel\PageJournal.dat.
  receiver::PageJournal journal_;
  pairtool::PairingRun run_;
};
