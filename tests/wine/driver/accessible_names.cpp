#include "tests/wine/driver/accessible_names.h"

#include "tests/wine/driver/driver.h"

namespace driver {
namespace {

BOOL CALLBACK CollectWindow(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<std::wstring> UnnamedButtons(HWND form) {
  std::vector<HWND> all;
  EnumChildWindows(form, &CollectWindow, reinterpret_cast<LPARAM>(&all));
  std::vector<std::wstring> unnamed;
  for (HWND child : all) {
    if (!IsWindowVisible(child) || _wcsicmp(WindowClassName(child).c_str(), L"Button") != 0) continue;
    if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) continue;
    if (!GetText(child).empty()) continue;
    std::wstring name = ComponentName(child);
    if (name.empty()) name = L"#" + std::to_wstring(reinterpret_cast<UINT_PTR>(child));
    unnamed.push_back(name);
  }
  return unnamed;
}

}  // namespace driver
