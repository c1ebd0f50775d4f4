// Applies a window's texts and layout (decided by PlanFormTexts) to a form of the forms layer.
#pragma once
#include <string>
#include <vector>

#include "framework/core/form_texts.h"
#include "forms/form.h"

namespace framework {

// Where a window's texts come from.
struct FormTextSource {
  std::wstring languageName;    // from the language table
  std::wstring section;         // e.g. Ackbox
  std::wstring textVariant;     // "" = the section as it is
  std::wstring formsRoot;       // holds Texts\ (trailing separator)
  std::wstring windowFolder;    // holds the layout file
  std::wstring layoutFileName;  // e.g. UI.txt
};

// The form's components by name and class, in component order: what PlanFormTexts decides over.
std::vector<FormComponent> ComponentsOf(const forms::Form& form);

// plan.components[i] belongs to form.Components()[i] (the plan was made from ComponentsOf, perhaps
// with renamed entries); surplus entries on either side are ignored.
void ApplyFormTextPlan(forms::Form& form, const FormTextPlan& plan);

// Loads the language into the module-wide text service (so later GetText calls work until
// FreeLanguage), plans and applies. The labels' own font name is the form's font name.
FormTextPlan ApplyFormTexts(forms::Form& form, const FormTextSource& source);

}  // namespace framework
