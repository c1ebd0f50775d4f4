#include "plugins/wizard/step4_form.h"

#include <cwchar>

#include "plugins/wizard/core/chain.h"
#include "plugins/wizard/core/wizard_files.h"
#include "plugins/wizard/step1_form.h"
#include "plugins/wizard/wizard_forms.h"

namespace wizard {
namespace {

forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"CorvilStep4";
constexpr wchar_t kBackground[] = L"CorvilForm_Background.bmp";
constexpr int kNameLength = 14;
// The fixed name: a pale field (red 0xF0, green 0xFA, blue 0xFA) with dark grey text.
constexpr COLORREF kFixedNameField = 0xFAFAF0;
constexpr COLORREF kFixedNameText = 0x242424;

}  // namespace

TFCorvilStep4::TFCorvilStep4(HWND owner, const StepContext& context)
    : TStepForm(L"FCorvilStep4", owner, context, firstActivation) {
  SetSize(411, 348);
  lb_Title.SetFontBold(true);
  lb_SuccessTitle.SetFontBold(true);
  lb_Notes.SetWordWrap(true);
  bt_PairNextKeyboard.SetTag(22027);
  bt_PairNextMouse.SetTag(22021);
  bt_Success.SetTag(22020);
  bt_OpenCorvilManager.SetTag(22026);
  bt_Exit.SetTag(Step4ExitTag(FCorvilStep1->multiDeviceOptions));
  bt_Close.SetTag(22003);

  OnCreate = [this, create = OnCreate] {
    create();
    FormCreate();
  };
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this] { return StepCloseQuery(); };
  bt_PairNextKeyboard.OnClick = [this] { bt_PairNextMouseClick(); };
  bt_PairNextMouse.OnClick = [this] { bt_PairNextMouseClick(); };
  bt_OpenCorvilManager.OnClick = [this] { bt_OpenCorvilManagerClick(); };
  bt_Success.OnClick = [this] { bt_SuccessClick(); };
  bt_Exit.OnClick = [this] { bt_ExitClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };

  FinishConstruction(kBackground, im_Totem);
}

void TFCorvilStep4::FormCreate() {
  defaultName_ = DefaultDeviceName(Context().formsRoot, Context().languageName, Context().textVariant);
  ed_DeviceName.SetMaxLength(kNameLength);
}

void TFCorvilStep4::FormShow() {
  outcome = kOutcomeNone;
  const int32_t deviceType = FCorvilStep1->DeviceType();
  RenameForShowing(Step4Renames(deviceType));
  const Step4Visibility show = Step4VisibilityFor(FCorvilStep1->multiDeviceOptions, deviceType,
                                                  DeviceDetailShowType(Context().pluginFolder, Context().languageName));
  bt_PairNextMouse.SetVisible(show.pairNextMouse);
  bt_PairNextKeyboard.SetVisible(show.pairNextKeyboard);
  bt_OpenCorvilManager.SetVisible(show.openManager);
  bt_Success.SetVisible(show.success);
  ed_DeviceName.SetVisible(show.nameBox);
  lb_DeviceName.SetVisible(show.nameBox);
  ed_DeviceID.SetVisible(show.idBox);
  lb_DeviceID.SetVisible(show.idBox);
  ApplyTexts(kSection, kStep4LayoutFile);

  const contract::WizardParams* record = FCorvilStep1->record;
  ed_DeviceName.SetText(Step4DefaultName(record != nullptr ? record->deviceName : nullptr,
                                         contract::kDeviceNameUnits, defaultName_));
  ed_DeviceName.SetEnabled(true);
  ed_DeviceName.SetSystemColors();
  ed_DeviceID.SetText(DeviceIdText(record != nullptr ? record->deviceId : 0));
  ed_DeviceID.SetEnabled(false);
  ed_DeviceID.SetSystemColors();
  bt_Success.SetEnabled(true);
}

void TFCorvilStep4::CopyName() {
  contract::WizardParams* record = FCorvilStep1->record;
  if (record == nullptr) return;
  const std::wstring name = ed_DeviceName.Text();
  const size_t length = name.size() < contract::kDeviceNameUnits - 1 ? name.size() : contract::kDeviceNameUnits - 1;
  for (size_t i = 0; i < length; ++i) record->deviceName[i] = static_cast<char16_t>(name[i]);
  record->deviceName[length] = u'\0';
}

void TFCorvilStep4::bt_PairNextMouseClick() {
  CopyName();
  outcome = kOutcomePairAnother;
  Close();
}

void TFCorvilStep4::bt_OpenCorvilManagerClick() {
  CopyName();
  outcome = kOutcomeOpenManager;
  Close();
}

void TFCorvilStep4::bt_SuccessClick() {
  CopyName();
  outcome = kOutcomeFinished;
  ed_DeviceName.SetEnabled(false);
  ed_DeviceName.SetColors(kFixedNameField, kFixedNameText);
  bt_Success.SetEnabled(false);
}

void TFCorvilStep4::bt_ExitClick() {
  CopyName();
  outcome = kOutcomeFinished;
  Close();
}

void TFCorvilStep4::bt_CloseClick() {
  outcome = kOutcomeClose;
  Close();
}

}  // namespace wizard
