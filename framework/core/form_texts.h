// What a window takes from the language and UI layout files: per component the caption, label font
// and colour, and bounds. Pure decision logic; the Win32 side applies the plan to the real controls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/language.h"

namespace framework {

struct Bounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const Bounds& other) const {
    return left == other.left && top == other.top && width == other.width && height == other.height;
  }
};

struct FormComponent {
  std::wstring name;       // e.g. lb_Title; the wizard passes suffixed names (lb_Title_Mouse)
  std::wstring className;  // TLabel, TButton, ...
};

struct FormTextRequest {
  std::wstring languageName;    // from the language table, even when its file is missing
  std::wstring section;         // language-file section of the window, e.g. CorvilMain
  std::wstring textVariant;     // selects section "<section>.<variant>" when that has keys
  std::wstring formsRoot;       // holds Texts\ (trailing separator optional)
  std::wstring windowFolder;    // holds the layout file
  std::wstring layoutFileName;  // e.g. UI_Main.txt
  std::wstring windowFontName;  // the label font when the layout file names none
  std::vector<FormComponent> components;  // the window's component order
};

// Unset fields mean "leave the control as it is".
struct ComponentTextPlan {
  std::wstring name;
  bool makeTransparent = false;        // labels
  std::optional<std::wstring> caption;  // labels; line breaks already in place, may be ""
  std::optional<uint32_t> fontColor;    // labels, COLORREF
  std::optional<std::wstring> fontName; // labels
  std::optional<Bounds> bounds;
};

struct FormTextPlan {
  std::wstring section;  // the section the captions came from (variant resolved)
  bool hasLayoutFile = false;
  std::wstring labelFontName;  // set when hasLayoutFile
  std::vector<ComponentTextPlan> components;  // one per request component, same order
};

// Loads the language into `texts` (which keeps it for later GetText calls, as the module-wide
// service does) and decides every component's texts and layout:
//  - TLabel: transparent, caption (four backslashes -> "\n"); with a layout file also font name,
//    colour (when a value exists) and position;
//  - TButton, TCheckBox, TRadioButton, TEdit, TComboBox, TImage, TRichEdit, TShape: position only,
//    with a layout file; other classes: nothing.
// Layout keys are read in section <languageName>, then [English]. A colour or position with a
// non-numeric or out-of-range number leaves that property unchanged; a negative width or height
// becomes 0.
FormTextPlan PlanFormTexts(const FormTextRequest& request, LanguageTexts& texts);

// Each run of four backslashes becomes a line feed, scanning left to right.
std::wstring ExpandCaptionLineBreaks(const std::wstring& caption);

}  // namespace framework
