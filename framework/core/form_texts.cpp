#include "framework/core/form_texts.h"

#include <algorithm>
#include <limits>

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"
#include "framework/core/strutil.h"

namespace framework {
namespace {

bool TakesPositionOnly(const std::wstring& className) {
  static const wchar_t* const kClasses[] = {L"TButton", L"TCheckBox", L"TRadioButton", L"TEdit",
                                            L"TComboBox", L"TImage", L"TRichEdit", L"TShape"};
  return std::any_of(std::begin(kClasses), std::end(kClasses),
                     [&](const wchar_t* c) { return className == c; });
}

// The UI layout file, read in the language's section with [English] as fallback.
class LayoutFile {
 public:
  LayoutFile(const std::wstring& path, const std::wstring& languageName)
      : file_(IniFile::Open(path)), languageName_(languageName) {}

  bool Exists() const { return file_.Exists(); }

  std::optional<std::wstring> Read(const std::wstring& key) const {
    std::wstring value = file_.ReadString(languageName_, key, kMissingValue);
    if (value == kMissingValue) value = file_.ReadString(kEnglish, key, kMissingValue);
    if (value == kMissingValue) return std::nullopt;
    return value;
  }

  // An empty value in the language's section counts as found, so [English] is not asked; empty
  // then means the window's own font.
  std::wstring LabelFontName(const std::wstring& windowFontName) const {
    const auto name = Read(L"FontName");
    return name && !name->empty() ? *name : windowFontName;
  }

 private:
  IniFile file_;
  std::wstring languageName_;
};

int32_t ClampedExtent(int64_t extent) {
  return static_cast<int32_t>(std::clamp<int64_t>(extent, 0, std::numeric_limits<int32_t>::max()));
}

std::optional<Bounds> PositionOf(const LayoutFile& layout, const std::wstring& name) {
  const auto value = layout.Read(name + L"->Position");
  if (!value) return std::nullopt;
  const auto rect = ParseRect(*value);
  if (!rect) return std::nullopt;
  return Bounds{rect->left, rect->top, ClampedExtent(int64_t{rect->right} - rect->left),
                ClampedExtent(int64_t{rect->bottom} - rect->top)};
}

}  // namespace

std::wstring ExpandCaptionLineBreaks(const std::wstring& caption) {
  static const std::wstring kBreak = L"\\\\\\\\";
  std::wstring out;
  out.reserve(caption.size());
  for (size_t i = 0; i < caption.size();) {
    if (caption.compare(i, kBreak.size(), kBreak) == 0) {
      out.push_back(L'\n');
      i += kBreak.size();
    } else {
      out.push_back(caption[i++]);
    }
  }
  return out;
}

FormTextPlan PlanFormTexts(const FormTextRequest& request, LanguageTexts& texts) {
  FormTextPlan plan;
  texts.LoadLanguage(request.languageName, request.formsRoot);
  plan.section = texts.ResolveSection(request.section, request.textVariant);

  // Read with the table's language name, not the fallback: a Russian window without Russian.txt
  // still takes its layout from [Russian] first.
  const LayoutFile layout(JoinPath(request.windowFolder, request.layoutFileName), request.languageName);
  plan.hasLayoutFile = layout.Exists();
  if (plan.hasLayoutFile) plan.labelFontName = layout.LabelFontName(request.windowFontName);

  for (const FormComponent& component : request.components) {
    ComponentTextPlan item;
    item.name = component.name;
    if (component.className == L"TLabel") {
      item.makeTransparent = true;
      item.caption = ExpandCaptionLineBreaks(texts.GetText(plan.section, component.name + L"->Caption"));
      if (plan.hasLayoutFile) {
        if (const auto color = layout.Read(component.name + L"->Font->Color")) {
          item.fontColor = ParseColor(*color);
        }
        item.fontName = plan.labelFontName;
        item.bounds = PositionOf(layout, component.name);
      }
    } else if (TakesPositionOnly(component.className) && plan.hasLayoutFile) {
      item.bounds = PositionOf(layout, component.name);
    }
    plan.components.push_back(std::move(item));
  }
  return plan;
}

}  // namespace framework
