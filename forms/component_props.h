// The window properties every control of the suite carries. They are a contract between modules: the
// skin library, test drivers and screen readers find components through them, in any process.
//   "ComponentName"  global atom (GlobalAddAtomW) of the component's name, e.g. bt_OK
//   "ComponentClass" global atom of its class name: TButton, TCheckBox, TRadioButton, TComboBox,
//                    TLabel, TEdit, TLabeledEdit, TImage, TPanel
//   "Tag"            the component's Tag, as an integer
//   "FontColor"      the colour of the control's font (see ControlFontColor), once it has a font
// Forms carry the same three properties (class name "TForm") plus "Color", the form's background
// colour as a COLORREF. A form's children, walked with GetWindow(GW_CHILD / GW_HWNDNEXT), come in
// the form's component order, except that image components lie below every other control.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

inline constexpr wchar_t kPropName[] = L"ComponentName";
inline constexpr wchar_t kPropClass[] = L"ComponentClass";
inline constexpr wchar_t kPropTag[] = L"Tag";
inline constexpr wchar_t kPropColor[] = L"Color";
inline constexpr wchar_t kPropFontColor[] = L"FontColor";

// Sets the three properties (adding the atoms). Call once, right after the window is created.
void SetComponentProps(HWND hwnd, const std::wstring& name, const std::wstring& className, int tag);
// Removes the properties and deletes the atoms; called from WM_NCDESTROY.
void RemoveComponentProps(HWND hwnd);
// Reads them back; empty string / 0 when absent. Work from any process.
std::wstring ComponentName(HWND hwnd);
std::wstring ComponentClass(HWND hwnd);
int ComponentTag(HWND hwnd);
// Renames a component (the suite's wizard steps add and remove name suffixes).
void SetComponentName(HWND hwnd, const std::wstring& name);
void SetComponentTag(HWND hwnd, int tag);
// The control's font colour, for whoever paints its caption in its place (the skin). A marker bit
// tells black from no property at all; false when the control has none.
void SetControlFontColor(HWND hwnd, COLORREF color);
bool ControlFontColor(HWND hwnd, COLORREF* color);

}  // namespace forms
