#include "plugins/wizard/step3_form.h"

#include "plugins/wizard/core/chain.h"
#include "plugins/wizard/core/wizard_files.h"
#include "plugins/wizard/step1_form.h"
#include "plugins/wizard/wizard_forms.h"

namespace wizard {
namespace {

forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"CorvilStep3";
constexpr wchar_t kBackground[] = L"CorvilForm_Background.bmp";
constexpr COLORREF kRed = RGB(255, 0, 0);

}  // namespace

TFCorvilStep3::TFCorvilStep3(HWND owner, const StepContext& context)
    : TStepForm(L"FCorvilStep3", owner, context, firstActivation) {
  SetSize(424, 355);
  lb_Title.SetFontBold(true);
  lb_ConfirmDeviceTitle.SetFontBold(true);
  // Word-wrapped: the height follows the text, the width stays.
  lb_TitleNotes.SetWordWrap(true);
  lb_Hint.SetWordWrap(true);
  lb_Hint.SetFontColor(kRed);
  rb_OnWork.SetTag(22012);
  rb_UnWork.SetTag(22012);
  bt_Back.SetTag(22017);
  bt_NextStep.SetTag(22018);
  bt_Close.SetTag(22003);

  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this] { return StepCloseQuery(); };
  bt_NextStep.OnClick = [this] { bt_NextStepClick(); };
  bt_Back.OnClick = [this] { bt_BackClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };

  FinishConstruction(kBackground, im_Totem);
}

void TFCorvilStep3::FormShow() {
  outcome = kOutcomeNone;
  RenameForShowing(Step3Renames(FCorvilStep1->DeviceType()));
  ApplyTexts(kSection, kStep3LayoutFile);
  rb_OnWork.SetChecked(true);
}

void TFCorvilStep3::bt_NextStepClick() {
  const std::optional<int32_t> next = Step3NextOutcome(rb_OnWork.Checked(), rb_UnWork.Checked());
  if (!next) return;
  outcome = *next;
  Close();
}

void TFCorvilStep3::bt_BackClick() {
  outcome = kOutcomeBack;
  Close();
}

void TFCorvilStep3::bt_CloseClick() {
  outcome = kOutcomeClose;
  Close();
}

}  // namespace wizard
