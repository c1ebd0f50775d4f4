// The two dialogs called as the manager calls them: loaded by full path for one question, freed.
#pragma once
#include <string>

#include "framework/core/plugin_contract.h"
#include "tests/wine/dialogs/harness.h"

namespace dialog_test {

inline std::wstring NotaboxPath() { return StagedFormsFolder() + contract::kNotaboxLibrary; }
inline std::wstring QuerentPath() { return StagedFormsFolder() + contract::kQuerentLibrary; }

inline DialogRun AskNotabox(uint32_t languageId, const wchar_t* question, const std::function<void(HWND)>& drive) {
  Library library(NotaboxPath());
  const auto entry = library.Entry<contract::ReturnNotaboxProc>(contract::kReturnNotabox);
  if (entry == nullptr) return DialogRun{};
  return RunDriven(L"FNotabox", [&] { return entry(languageId, question); }, drive);
}

inline DialogRun AskQuerent(contract::QuerentRequest* request, const std::function<void(HWND)>& drive) {
  Library library(QuerentPath());
  const auto entry = library.Entry<contract::ReturnQuerentProc>(contract::kReturnQuerent);
  if (entry == nullptr) return DialogRun{};
  return RunDriven(L"FQuerent", [&] { return entry(request); }, drive);
}

inline void Put(char16_t* units, const std::wstring& text) {
  for (size_t i = 0; i < text.size(); ++i) units[i] = static_cast<char16_t>(text[i]);
  units[text.size()] = 0;
}

inline std::wstring Get(const char16_t* units) {
  std::wstring text;
  for (size_t i = 0; i < static_cast<size_t>(contract::kQuerentTextUnits) && units[i] != 0; ++i) {
    text += static_cast<wchar_t>(units[i]);
  }
  return text;
}

inline contract::QuerentRequest MakeRequest(uint16_t languageId, const std::wstring& prompt,
                                            const std::wstring& text, int32_t maxLength) {
  contract::QuerentRequest request{};
  request.languageId = languageId;
  Put(request.prompt, prompt);
  Put(request.text, text);
  request.maxLength = maxLength;
  return request;
}

}  // namespace dialog_test
