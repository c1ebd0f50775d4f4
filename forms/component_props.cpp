#include "forms/component_props.h"

namespace forms {
namespace {

ATOM AtomProp(HWND hwnd, const wchar_t* prop) {
  return static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd, prop)));
}

std::wstring AtomText(ATOM atom) {
  if (atom == 0) return std::wstring();
  wchar_t buffer[256];
  UINT length = GlobalGetAtomNameW(atom, buffer, 256);
  return std::wstring(buffer, length);
}

// Replaces the atom stored under prop; the old atom's reference is released.
void StoreAtom(HWND hwnd, const wchar_t* prop, const std::wstring& text) {
  ATOM old = AtomProp(hwnd, prop);
  ATOM atom = text.empty() ? 0 : GlobalAddAtomW(text.c_str());
  SetPropW(hwnd, prop, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(atom)));
  if (old != 0) GlobalDeleteAtom(old);
}

}  // namespace

void SetComponentProps(HWND hwnd, const std::wstring& name, const std::wstring& className, int tag) {
  StoreAtom(hwnd, kPropName, name);
  StoreAtom(hwnd, kPropClass, className);
  SetComponentTag(hwnd, tag);
}

void RemoveComponentProps(HWND hwnd) {
  for (const wchar_t* prop : {kPropName, kPropClass}) {
    ATOM atom = AtomProp(hwnd, prop);
    RemovePropW(hwnd, prop);
    if (atom != 0) GlobalDeleteAtom(atom);
  }
  RemovePropW(hwnd, kPropTag);
  RemovePropW(hwnd, kPropColor);
  RemovePropW(hwnd, kPropFontColor);
}

std::wstring ComponentName(HWND hwnd) { return AtomText(AtomProp(hwnd, kPropName)); }
std::wstring ComponentClass(HWND hwnd) { return AtomText(AtomProp(hwnd, kPropClass)); }

int ComponentTag(HWND hwnd) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(hwnd, kPropTag)));
}

void SetComponentName(HWND hwnd, const std::wstring& name) { StoreAtom(hwnd, kPropName, name); }

void SetComponentTag(HWND hwnd, int tag) {
  SetPropW(hwnd, kPropTag, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tag)));
}

namespace {
constexpr UINT_PTR kFontColorPresent = 0x40000000;
}  // namespace

void SetControlFontColor(HWND hwnd, COLORREF color) {
  SetPropW(hwnd, kPropFontColor, reinterpret_cast<HANDLE>((color & 0xFFFFFF) | kFontColorPresent));
}

bool ControlFontColor(HWND hwnd, COLORREF* color) {
  const auto value = reinterpret_cast<UINT_PTR>(GetPropW(hwnd, kPropFontColor));
  if ((value & kFontColorPresent) == 0) return false;
  if (color != nullptr) *color = static_cast<COLORREF>(value & 0xFFFFFF);
  return true;
}

}  // namespace forms
