// A small form built from every kind of component of the forms layer, driven by the tests: in
// process (leak and layout checks) and as the program forms_demo.exe from another process.
#pragma once
#include <string>

#include "forms/forms.h"

namespace demo {

struct DemoFiles {
  std::wstring background;  // loaded by FormCreate
  std::wstring corrupt;     // bt_LoadBad tries these two into im_Extra
  std::wstring missing;
};

inline constexpr wchar_t kLongInfo[] =
    L"This label wraps its long caption over several lines, so that a later short caption has to "
    L"repaint every pixel it no longer covers.";
inline constexpr int kQuitExitCode = 70001;  // beyond 8 bits: only GetExitCodeProcess sees all of it

// The modal dialog of the demo: Yes (6) and No (7).
class TFConfirm : public forms::Form {
 public:
  TFConfirm();
  forms::Label lb_Question{*this, L"lb_Question", {16, 16, 0, 0}, L"Pair another device?"};
  forms::Button bt_Yes{*this, L"bt_Yes", {40, 70, 80, 25}, L"Yes"};
  forms::Button bt_No{*this, L"bt_No", {140, 70, 80, 25}, L"No"};
};

class TFDemo : public forms::Form {
 public:
  explicit TFDemo(const DemoFiles& files);

  forms::Image im_Background{*this, L"im_Background", {0, 0, 100, 100}};
  forms::Label lb_Title{*this, L"lb_Title", {16, 10, 0, 0}, L"Forms layer demo"};
  forms::Label lb_Info{*this, L"lb_Info", {16, 40, 200, 64}, kLongInfo};
  forms::Label lb_Status{*this, L"lb_Status", {16, 112, 210, 16}, L"Ready"};
  forms::Button bt_Click{*this, L"bt_Click", {240, 40, 100, 25}, L"Click me"};
  forms::Button bt_Modal{*this, L"bt_Modal", {350, 40, 100, 25}, L"Modal..."};
  forms::Button bt_Throw{*this, L"bt_Throw", {240, 72, 100, 25}, L"Throw"};
  forms::Button bt_LoadBad{*this, L"bt_LoadBad", {350, 72, 100, 25}, L"Load bad"};
  forms::CheckBox ck_Option{*this, L"ck_Option", {240, 106, 150, 20}, L"Option"};
  forms::RadioButton rb_Mouse{*this, L"rb_Mouse", {240, 132, 90, 20}, L"Mouse"};
  forms::RadioButton rb_Keyboard{*this, L"rb_Keyboard", {335, 132, 100, 20}, L"Keyboard"};
  forms::ComboBox cb_Language{*this, L"cb_Language", {240, 160, 150, 21}};
  forms::Edit ed_Name{*this, L"ed_Name", {240, 192, 150, 21}};
  forms::LabeledEdit le_Code{*this, L"le_Code", {330, 224, 120, 21}, L"Pairing code:"};
  forms::Panel pl_Status{*this, L"pl_Status", {16, 250, 200, 30}, L"Ticks: 0"};
  forms::Image im_Extra{*this, L"im_Extra", {16, 140, 48, 48}};
  forms::Button bt_Quit{*this, L"bt_Quit", {380, 285, 80, 25}, L"Quit"};
  forms::Timer tmr_Tick{*this, L"tmr_Tick", 100};

  int clicks = 0;
  int ticks = 0;

 private:
  void FormCreate();
  void bt_ModalClick();
  void bt_LoadBadClick();

  DemoFiles files_;
};

}  // namespace demo
