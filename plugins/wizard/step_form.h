// What the four step forms share: construction arguments, background and logo through the bitmap
// lookup, the skin from the skin library, placement on creation, shaping on the first activation,
// dragging, texts with the text variant, and the renaming that selects type-specific texts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "forms/forms.h"
#include "plugins/wizard/core/step_rules.h"
#include "framework/win32/skin_library.h"

namespace wizard {

// What the driver hands every step form.
struct StepContext {
  std::wstring textVariant;
  std::wstring formsRoot;     // with a trailing backslash
  std::wstring pluginFolder;  // with a trailing backslash
  std::wstring languageName;
  uint16_t languageId = 0;    // the record's own, 0 included (the skin resolves it itself)
};

class TStepForm : public forms::Form {
 public:
  // `firstActivation` belongs to the step's class: each step is shaped once per load of the library.
  TStepForm(const std::wstring& formName, HWND owner, const StepContext& context,
            forms::FirstActivation& firstActivation);

  // The step's result, read by the driver after the modal showing.
  int32_t outcome = 0;

  const StepContext& Context() const { return context_; }

  forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 375, 305}};

 protected:
  // The end of every step's constructor, once its components exist: background and logo, dragging
  // from every label and image but `notDragging`, the skin.
  void FinishConstruction(const std::wstring& backgroundFile, forms::Image& totem,
                          const forms::Control* notDragging = nullptr);
  // Loads `file` through the bitmap lookup; a missing file leaves the picture as it was.
  void LoadPicture(forms::Image& image, const std::wstring& file);
  // Texts of section `section` (or its text-variant section) and the layout file of the step.
  void ApplyTexts(const std::wstring& section, const std::wstring& layoutFile);
  // Gives the components of `plan` their suffixed names until RenameBack.
  void RenameForShowing(const RenamePlan& plan);
  void RenameBack();
  // Close-query work common to all steps; the steps add theirs before calling it.
  bool StepCloseQuery();

 private:
  void FormCreate();
  void FormActivate();

  StepContext context_;
  forms::FirstActivation& firstActivation_;
  RenamePlan renamed_;
  // New_Lustrea when the form is constructed, Active_Lustrea when it is created.
  framework::SkinLibrary skin_;
};

}  // namespace wizard
