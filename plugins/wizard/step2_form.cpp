#include "plugins/wizard/step2_form.h"

#include "framework/core/plugin_contract.h"
#include "plugins/wizard/core/chain.h"
#include "plugins/wizard/core/wizard_files.h"
#include "plugins/wizard/step1_form.h"
#include "plugins/wizard/wizard_forms.h"

namespace wizard {
namespace {

forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"CorvilStep2";
constexpr wchar_t kFirstBackground[] = L"MouseCorvilStep201_Background.bmp";
constexpr int kPictureNoteHeight = 16;  // 12 pt

}  // namespace

TFCorvilStep2::TFCorvilStep2(HWND owner, const StepContext& context)
    : TStepForm(L"FCorvilStep2", owner, context, firstActivation) {
  SetSize(407, 358);
  lb_ActivateDeviceTitle.SetFontBold(true);
  lb_ActivateDeviceHint.SetFontBold(true);
  for (forms::Label* note : {&lb_PicNotes1, &lb_PicNotes2}) {
    note->SetAutoSize(false);
    note->SetWordWrap(true);
    note->SetFont({L"Tahoma", kPictureNoteHeight, true, RGB(0, 0, 0)});
  }
  lb_PicNotes2.SetAlignment(forms::Alignment::kRight);
  lb_Message.SetFont({L"Tahoma", kPictureNoteHeight, true, RGB(0, 0, 0)});
  bt_PreviousStep.SetTag(22019);
  bt_Close.SetTag(22003);
  bt_NextStep.SetVisible(false);

  OnCreate = [this, create = OnCreate] {
    create();
    FormCreate();
  };
  OnShow = [this] { FormShow(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  tmr_Corvil.OnTimer = [this] { tmr_CorvilTimer(); };
  bt_PreviousStep.OnClick = [this] { bt_PreviousStepClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };

  // The countdown label is no handle for dragging: it changes under the pointer twice a second.
  FinishConstruction(kFirstBackground, im_Totem, &lb_Message);
  previousProc_ = ReplaceWindowProc(&TFCorvilStep2::WindowProc);
}

void TFCorvilStep2::FormCreate() { tmr_Corvil.SetEnabled(false); }

void TFCorvilStep2::FormShow() {
  outcome = kOutcomeNone;
  const int32_t deviceType = FCorvilStep1->DeviceType();
  const int32_t switchType = FCorvilStep1->switchType;
  RenameForShowing(Step2Renames(deviceType, switchType));
  LoadPicture(im_BackgroundImage, Step2LookFor(deviceType, switchType).background);
  ApplyTexts(kSection, kStep2LayoutFile);
  exchange_.Begin();
}

bool TFCorvilStep2::FormCloseQuery() {
  exchange_.Abandon();  // closed without a button while waiting: the host leaves pairing mode
  const bool result = StepCloseQuery();
  lb_Hint.SetVisible(false);
  return result;
}

void TFCorvilStep2::tmr_CorvilTimer() { exchange_.Tick(); }

void TFCorvilStep2::bt_PreviousStepClick() { exchange_.Previous(); }

void TFCorvilStep2::bt_CloseClick() { exchange_.CloseButton(); }

LRESULT CALLBACK TFCorvilStep2::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = static_cast<TFCorvilStep2*>(forms::Form::FromHandle(hwnd));
  if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == RegisterWindowMessageW(contract::kPairReturnId)) {
    try {
      form->exchange_.ReturnId(static_cast<intptr_t>(wParam), static_cast<intptr_t>(lParam));
    } catch (...) {
      forms::Application::HandleCurrentException();
    }
    return 0;  // taken here, not passed on
  }
  return CallWindowProcW(form->previousProc_, hwnd, message, wParam, lParam);
}

LRESULT TFCorvilStep2::SendToHost(const wchar_t* message, WPARAM wParam) const {
  const contract::WizardParams* record = FCorvilStep1->record;
  if (record == nullptr) return 0;
  const HWND host = contract::FromWindowField<HWND>(record->head.hostWindow);
  return SendMessageA(host, RegisterWindowMessageW(message), wParam, 0);
}

intptr_t TFCorvilStep2::SendStart() { return SendToHost(contract::kPairStart, 0); }

intptr_t TFCorvilStep2::SendGetId() {
  return SendToHost(contract::kPairGetId, reinterpret_cast<WPARAM>(Handle()));
}

void TFCorvilStep2::SendStop() { SendToHost(contract::kPairStop, 0); }

void TFCorvilStep2::ShowCountdown(const std::wstring& text) { lb_Message.SetCaption(text); }

void TFCorvilStep2::SetTimerRunning(bool running) { tmr_Corvil.SetEnabled(running); }

void TFCorvilStep2::StoreDeviceId(uint32_t id) {
  if (FCorvilStep1->record != nullptr) FCorvilStep1->record->deviceId = id;
}

void TFCorvilStep2::Finish(int32_t value) {
  outcome = value;
  Close();
}

}  // namespace wizard
