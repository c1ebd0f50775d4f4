#include "skin/win32/pairtool_skin.h"

#include <windows.h>

#include <string>

#include "framework/core/pairtool_texts.h"

namespace skin {

SlotPlan PairToolSkinPlan() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.erase(folder.find_last_of(L"\\/") + 1);  // npos + 1 == 0: no folder at all
  return PairToolPlan(folder + L"data\\", framework::PairToolLanguageFile(GetUserDefaultLangID()));
}

}  // namespace skin
