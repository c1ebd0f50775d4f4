#include "plugins/wizard/step_form.h"

#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "plugins/wizard/core/wizard_files.h"
#include "skin/win32/shape_window.h"

namespace wizard {
namespace {

constexpr wchar_t kLogoFile[] = L"LogoTotem.bmp";

}  // namespace

TStepForm::TStepForm(const std::wstring& formName, HWND owner, const StepContext& context,
                     forms::FirstActivation& firstActivation)
    : Form(formName, owner), context_(context), firstActivation_(firstActivation) {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnMouseDown = forms::DragHandler(*this);
}

void TStepForm::FinishConstruction(const std::wstring& backgroundFile, forms::Image& totem,
                                   const forms::Control* notDragging) {
  LoadPicture(im_BackgroundImage, backgroundFile);
  totem.SetAutoSize(false);
  LoadPicture(totem, kLogoFile);
  for (forms::Component* component : Components()) {
    auto* control = dynamic_cast<forms::Control*>(component);
    if (control == nullptr || control == notDragging) continue;
    if (dynamic_cast<forms::Label*>(control) || dynamic_cast<forms::Image*>(control)) {
      control->OnMouseDown = forms::DragHandler(*this);
    }
  }
  skin_.Load(context_.formsRoot);
  skin_.NewSkin(Handle(), context_.languageId);
}

void TStepForm::LoadPicture(forms::Image& image, const std::wstring& file) {
  const std::wstring path = FindBitmap(context_.pluginFolder, context_.languageName, file);
  if (!path.empty()) image.LoadFromFile(path);
}

void TStepForm::ApplyTexts(const std::wstring& section, const std::wstring& layoutFile) {
  framework::ApplyFormTexts(*this, {context_.languageName, section, context_.textVariant, context_.formsRoot,
                                    context_.pluginFolder, layoutFile});
}

void TStepForm::RenameForShowing(const RenamePlan& plan) {
  RenameBack();
  for (const Rename& rename : plan) {
    if (forms::Component* component = FindComponent(rename.baseName)) {
      component->SetName(rename.SuffixedName());
      renamed_.push_back(rename);
    }
  }
}

void TStepForm::RenameBack() {
  for (const Rename& rename : renamed_) {
    if (forms::Component* component = FindComponent(rename.SuffixedName())) component->SetName(rename.baseName);
  }
  renamed_.clear();
}

bool TStepForm::StepCloseQuery() {
  RenameBack();
  framework::FreeLanguage();
  return true;
}

void TStepForm::FormCreate() {
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  // No taskbar button: the wizard belongs to the host's window.
  SetExStyle(ToolWindowStyle(forms::Application::MainFormExStyle()));
  skin_.Activate();
}

void TStepForm::FormActivate() {
  if (firstActivation_.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

}  // namespace wizard
