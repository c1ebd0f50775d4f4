#include "plugins/wizard/step1_form.h"

#include "plugins/wizard/core/chain.h"
#include "plugins/wizard/core/wizard_files.h"

namespace wizard {
namespace {

forms::FirstActivation firstActivation;  // once per load of the library

constexpr wchar_t kSection[] = L"CorvilStep1";
constexpr wchar_t kBackground[] = L"CorvilStep1_Background.bmp";

}  // namespace

TFCorvilStep1::TFCorvilStep1(HWND owner, const StepContext& context)
    : TStepForm(L"FCorvilStep1", owner, context, firstActivation) {
  SetSize(423, 381);
  lb_Title.SetFontBold(true);
  lb_Contents.SetWordWrap(true);  // the height follows the text, the width stays
  rb_MousePair.SetTag(22012);
  rb_KeyboardPair.SetTag(22012);
  rb_MousePair_Type1.SetTag(20012);
  rb_MousePair_Type2.SetTag(20012);
  bt_NextStep.SetTag(22018);
  bt_Close.SetTag(22003);

  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this] { return StepCloseQuery(); };
  rb_MousePair_Type1.OnClick = [this] { rb_MousePair_Type1Click(); };
  rb_MousePair_Type2.OnClick = [this] { rb_MousePair_Type2Click(); };
  bt_NextStep.OnClick = [this] { bt_NextStepClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };

  FinishConstruction(kBackground, im_Totem);
  // Step 1's texts do not depend on the device: applied once.
  ApplyTexts(kSection, kStep1LayoutFile);
  multiDeviceOptions = MultiDeviceOptionsOn(context.pluginFolder, context.languageName);
}

void TFCorvilStep1::FormShow() {
  outcome = kOutcomeNone;
  if (!firstShowing_) return;  // later rounds keep what the user left
  firstShowing_ = false;
  const Step1Selection selection = Step1Preselection(record != nullptr ? record->previousDeviceType : 0);
  if (selection.mouse) {
    rb_MousePair.SetChecked(true);
  } else {
    rb_KeyboardPair.SetChecked(true);
  }
  rb_MousePair_Type1.SetChecked(selection.slideSwitch);
  rb_MousePair_Type2.SetChecked(selection.pushButton);
}

void TFCorvilStep1::rb_MousePair_Type1Click() {
  if (rb_MousePair_Type1.Checked()) rb_MousePair_Type2.SetChecked(false);
}

void TFCorvilStep1::rb_MousePair_Type2Click() {
  if (rb_MousePair_Type2.Checked()) rb_MousePair_Type1.SetChecked(false);
}

void TFCorvilStep1::bt_NextStepClick() {
  const Step1Choice choice = Step1ChoiceFrom(rb_MousePair.Checked(), rb_MousePair_Type1.Checked());
  if (record != nullptr) record->deviceType = choice.deviceType;
  if (choice.switchType) switchType = *choice.switchType;
  outcome = kOutcomeNext;
  Close();
}

void TFCorvilStep1::bt_CloseClick() {
  outcome = kOutcomeClose;
  Close();
}

}  // namespace wizard
