#include "plugins/manager/manager_dialogs.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/plugin_contract.h"
#include "framework/win32/plugin_library.h"
#include "plugins/manager/core/manager_model.h"

namespace manager {
namespace {

void CopyText(char16_t* units, const std::wstring& text) {
  const size_t length = std::min(text.size(), static_cast<size_t>(contract::kQuerentTextUnits - 1));
  for (size_t i = 0; i < length; ++i) units[i] = static_cast<char16_t>(text[i]);
  units[length] = 0;
}

}  // namespace

void ManagerDialogs::Missing() const {
  // The question cannot be asked; the caller changes nothing. A beep at least tells the user that
  // the click was heard.
  MessageBeep(MB_ICONWARNING);
}

void ManagerDialogs::Inform(const std::wstring& text) const {
  int32_t ignored = 0;
  const bool shown = framework::CallPluginOnce<contract::ReturnAckboxProc>(
      formsRoot_ + contract::kAckboxLibrary, contract::kReturnAckbox, &ignored, uint32_t{languageId_}, text.c_str(),
      uint32_t{0});
  SetCurrentDirectoryW(pluginFolder_.c_str());
  if (!shown) Missing();
}

int32_t ManagerDialogs::Ask(const std::wstring& question) const {
  int32_t answer = -1;
  const bool shown = framework::CallPluginOnce<contract::ReturnNotaboxProc>(
      formsRoot_ + contract::kNotaboxLibrary, contract::kReturnNotabox, &answer, uint32_t{languageId_},
      question.c_str());
  SetCurrentDirectoryW(pluginFolder_.c_str());
  if (!shown) {
    Missing();
    return kNotAsked;
  }
  return answer;
}

bool ManagerDialogs::Edit(const std::wstring& prompt, std::wstring* text, int maxLength) const {
  contract::QuerentRequest request{};
  request.languageId = languageId_;
  CopyText(request.prompt, prompt);
  CopyText(request.text, *text);
  request.maxLength = maxLength;
  int32_t accepted = 0;
  const bool shown = framework::CallPluginOnce<contract::ReturnQuerentProc>(
      formsRoot_ + contract::kQuerentLibrary, contract::kReturnQuerent, &accepted, &request);
  SetCurrentDirectoryW(pluginFolder_.c_str());
  if (!shown) {
    Missing();
    return false;
  }
  if (accepted != 1) return false;
  std::wstring edited;
  for (int i = 0; i < contract::kQuerentTextUnits && request.text[i] != 0; ++i) {
    edited += static_cast<wchar_t>(request.text[i]);
  }
  *text = edited.substr(0, static_cast<size_t>(std::max(maxLength, 0)));
  return true;
}

}  // namespace manager
