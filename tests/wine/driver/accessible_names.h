// What a screen reader finds on a form: every visible button, check box and radio button must
// answer WM_GETTEXT with a name.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The component names (or "#<handle>" without one) of the form's visible buttons, check boxes and
// radio buttons, at any depth, whose window text is empty. Group boxes are frames, not controls.
std::vector<std::wstring> UnnamedButtons(HWND form);

}  // namespace driver
