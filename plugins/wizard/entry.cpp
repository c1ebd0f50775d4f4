// The plug-in's exports (CorvilForm.def): the entry return_CorvilForm and the step-form variables
// _FCorvilStep1 .. _FCorvilStep4.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/core/language.h"
#include "framework/core/plugin_contract.h"
#include "framework/win32/plugin_library.h"
#include "plugins/wizard/core/chain.h"
#include "plugins/wizard/step1_form.h"
#include "plugins/wizard/step2_form.h"
#include "plugins/wizard/step3_form.h"
#include "plugins/wizard/step4_form.h"
#include "plugins/wizard/wizard_forms.h"

extern "C" {
wizard::TFCorvilStep1* FCorvilStep1 = nullptr;
wizard::TFCorvilStep2* FCorvilStep2 = nullptr;
wizard::TFCorvilStep3* FCorvilStep3 = nullptr;
wizard::TFCorvilStep4* FCorvilStep4 = nullptr;
}

namespace {

HMODULE pluginModule = nullptr;

const wchar_t* const kStepCaptions[] = {L"FCorvilStep1", L"FCorvilStep2", L"FCorvilStep3", L"FCorvilStep4"};

// Brings every step window of a running wizard to the front; true when there was one.
bool RaiseOpenWizard() {
  bool found = false;
  for (const wchar_t* caption : kStepCaptions) {
    if (HWND window = FindWindowW(nullptr, caption)) {
      SetForegroundWindow(window);
      found = true;
    }
  }
  return found;
}

std::wstring TextVariantOf(const contract::WizardParams& record) {
  std::wstring variant;
  for (int i = 0; i < contract::kTextVariantUnits && record.head.textVariant[i] != u'\0'; ++i) {
    variant.push_back(static_cast<wchar_t>(record.head.textVariant[i]));
  }
  return variant;
}

// The four forms of one call, freed in the order 1, 2, 3, 4; each exported pointer goes with its form.
struct StepForms {
  forms::FormPtr<wizard::TFCorvilStep1> step1;
  forms::FormPtr<wizard::TFCorvilStep2> step2;
  forms::FormPtr<wizard::TFCorvilStep3> step3;
  forms::FormPtr<wizard::TFCorvilStep4> step4;

  ~StepForms() {
    step1.reset();
    FCorvilStep1 = nullptr;
    step2.reset();
    FCorvilStep2 = nullptr;
    step3.reset();
    FCorvilStep3 = nullptr;
    step4.reset();
    FCorvilStep4 = nullptr;
  }

  wizard::TStepForm& Step(int number) {
    switch (number) {
      case 1: return *step1;
      case 2: return *step2;
      case 3: return *step3;
      default: return *step4;
    }
  }
};

// Created, then created-event, then hidden: each form is complete before the next one is built (the
// skin library activates the latest skin it made).
template <typename StepForm>
forms::FormPtr<StepForm> CreateStep(HWND owner, const wizard::StepContext& context, StepForm** exported) {
  auto form = forms::MakeForm<StepForm>(owner, context);
  *exported = form.get();
  form->FireCreate();
  form->Hide();
  return form;
}

int32_t RunWizard(contract::WizardParams* record) {
  if (RaiseOpenWizard()) return wizard::kResultAlreadyOpen;

  wizard::StepContext context;
  context.languageId = record->head.languageId;
  context.languageName = framework::LanguageNameFor(record->head.languageId, GetUserDefaultLangID());
  context.textVariant = TextVariantOf(*record);
  // Bitmaps and layout files are found relative to the plug-in's folder; it stays the current
  // directory after the call (the host finds its own files by full path).
  context.pluginFolder = framework::ModuleFolder(pluginModule);
  SetCurrentDirectoryW(context.pluginFolder.c_str());
  context.formsRoot = framework::ParentFolder(context.pluginFolder);

  // The host's window owns the steps, so they stay above it.
  HWND owner = contract::FromWindowField<HWND>(record->head.hostWindow);
  if (!IsWindow(owner)) owner = GetActiveWindow();

  StepForms forms;
  forms.step1 = CreateStep(owner, context, &FCorvilStep1);
  forms.step1->record = record;
  forms.step2 = CreateStep(owner, context, &FCorvilStep2);
  forms.step3 = CreateStep(owner, context, &FCorvilStep3);
  forms.step4 = CreateStep(owner, context, &FCorvilStep4);

  int step = 1;
  int32_t result = wizard::kResultAlreadyOpen;
  while (step != 0) {
    wizard::TStepForm& form = forms.Step(step);
    form.ShowModal();
    const wizard::ChainMove move = wizard::NextMove(step, form.outcome);
    step = move.nextStep;
    result = move.result;
  }
  return result;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    pluginModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" int32_t WINAPI return_CorvilForm(contract::WizardParams* record) {
  if (record == nullptr) return wizard::kResultAlreadyOpen;
  try {
    return RunWizard(record);
  } catch (...) {
    // Nothing may unwind into the host; the wizard then counts as closed.
    return wizard::kResultAlreadyOpen;
  }
}
