#include "framework/win32/apply_form_texts.h"

#include <algorithm>

#include "framework/core/language.h"
#include "forms/component.h"
#include "forms/control.h"
#include "forms/label.h"

namespace framework {
namespace {

void ApplyToControl(forms::Control& control, const ComponentTextPlan& item) {
  if (auto* label = dynamic_cast<forms::Label*>(&control)) {
    if (item.makeTransparent) label->SetTransparent(true);
    if (item.caption) label->SetCaption(*item.caption);
  }
  if (item.fontColor) control.SetFontColor(static_cast<COLORREF>(*item.fontColor));
  if (item.fontName) control.SetFontName(*item.fontName);
  if (item.bounds) control.SetBounds(item.bounds->left, item.bounds->top, item.bounds->width, item.bounds->height);
}

}  // namespace

std::vector<FormComponent> ComponentsOf(const forms::Form& form) {
  std::vector<FormComponent> components;
  for (const forms::Component* component : form.Components()) {
    components.push_back({component->Name(), component->ClassName()});
  }
  return components;
}

void ApplyFormTextPlan(forms::Form& form, const FormTextPlan& plan) {
  // A copy: applying must not be disturbed by a handler that adds or removes components.
  const std::vector<forms::Component*> components = form.Components();
  const size_t count = std::min(components.size(), plan.components.size());
  for (size_t i = 0; i < count; ++i) {
    // Timers and other windowless components take nothing from the plan.
    if (auto* control = dynamic_cast<forms::Control*>(components[i])) ApplyToControl(*control, plan.components[i]);
  }
}

FormTextPlan ApplyFormTexts(forms::Form& form, const FormTextSource& source) {
  FormTextRequest request;
  request.languageName = source.languageName;
  request.section = source.section;
  request.textVariant = source.textVariant;
  request.formsRoot = source.formsRoot;
  request.windowFolder = source.windowFolder;
  request.layoutFileName = source.layoutFileName;
  request.windowFontName = form.GetFont().name;
  request.components = ComponentsOf(form);
  FormTextPlan plan = PlanFormTexts(request, ModuleLanguageTexts());
  ApplyFormTextPlan(form, plan);
  return plan;
}

}  // namespace framework
