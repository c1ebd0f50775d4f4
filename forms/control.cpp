#include "forms/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "forms/application.h"
#include "forms/component_props.h"
#include "forms/form.h"
#include "forms/module_instance.h"

namespace forms {
namespace {
constexpr UINT_PTR kSubclassId = 0x464F524D;  // 'FORM'
// This process's pointer to the control object; meaningless elsewhere, so it is checked against the
// module that created the window.
constexpr wchar_t kPropControl[] = L"FormsLayerControl";
}

Control::Control(Form& owner, const std::wstring& name, const wchar_t* className, const WindowSpec& spec)
    : Component(owner, name, className, spec.listing), font_(owner.GetFont()) {
  const Bounds& b = spec.bounds;
  hwnd_ = CreateWindowExW(spec.exStyle, spec.windowClass, spec.text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | spec.style, b.left, b.top,
                          std::max(b.width, 0), std::max(b.height, 0), owner.Handle(),
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(owner.NextControlId())),
                          ModuleInstance(), nullptr);
  if (hwnd_ == nullptr) return;
  SetComponentProps(hwnd_, Name(), className, 0);
  SetPropW(hwnd_, kPropControl, this);
  SetWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  owner.PlaceChild(hwnd_);
  ApplyFont();
}

Control::~Control() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);  // WM_NCDESTROY removes the properties
}

Control* Control::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) != ModuleInstance()) return nullptr;
  return static_cast<Control*>(GetPropW(window, kPropControl));
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
  auto* control = reinterpret_cast<Control*>(self);
  if (message == WM_NCDESTROY) {
    RemoveComponentProps(hwnd);
    RemovePropW(hwnd, kPropControl);
    RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
    control->hwnd_ = nullptr;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (control->HandleMessage(message, wParam, lParam, &result)) return result;
  } catch (...) {
    Application::HandleCurrentException();
    return 0;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  MouseButton button;
  switch (message) {
    case WM_LBUTTONDOWN: button = MouseButton::kLeft; break;
    case WM_RBUTTONDOWN: button = MouseButton::kRight; break;
    case WM_MBUTTONDOWN: button = MouseButton::kMiddle; break;
    default: return false;
  }
  // The control reacts first (a button takes the capture), then the event runs.
  *result = CallDefault(message, wParam, lParam);
  if (OnMouseDown) OnMouseDown(button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  return true;
}

LRESULT Control::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool Control::SetName(const std::wstring& name) {
  if (!Component::SetName(name)) return false;
  if (hwnd_ != nullptr) SetComponentName(hwnd_, name);
  return true;
}

void Control::SetTag(int tag) {
  Component::SetTag(tag);
  if (hwnd_ != nullptr) SetComponentTag(hwnd_, tag);
}

Bounds Control::GetBounds() const {
  RECT rect = {};
  if (hwnd_ == nullptr) return {};
  GetWindowRect(hwnd_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (hwnd_ == nullptr) return;
  SetWindowPos(hwnd_, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::SetLeft(int left) {
  const Bounds b = GetBounds();
  SetBounds(left, b.top, b.width, b.height);
}

void Control::SetTop(int top) {
  const Bounds b = GetBounds();
  SetBounds(b.left, top, b.width, b.height);
}

void Control::SetWidth(int width) {
  const Bounds b = GetBounds();
  SetBounds(b.left, b.top, width, b.height);
}

void Control::SetHeight(int height) {
  const Bounds b = GetBounds();
  SetBounds(b.left, b.top, b.width, height);
}

bool Control::Visible() const {
  return hwnd_ != nullptr && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetVisible(bool visible) {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Enabled() const { return hwnd_ != nullptr && IsWindowEnabled(hwnd_); }

void Control::SetEnabled(bool enabled) {
  if (hwnd_ != nullptr) EnableWindow(hwnd_, enabled);
}

std::wstring Control::Caption() const {
  if (hwnd_ == nullptr) return std::wstring();
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd_, &text[0], length + 1));
  return text;
}

void Control::SetCaption(const std::wstring& caption) {
  if (hwnd_ != nullptr) SetWindowTextW(hwnd_, caption.c_str());
}

void Control::SetFont(const Font& font) {
  const bool newFace = !font.SameFace(font_);
  font_ = font;
  if (newFace) ApplyFont();
  if (hwnd_ != nullptr) SetControlFontColor(hwnd_, font_.color);
  FontChanged();
  Invalidate();
}

void Control::SetFontColor(COLORREF color) {
  Font font = font_;
  font.color = color;
  SetFont(font);
}

void Control::SetFontName(const std::wstring& name) {
  Font font = font_;
  font.name = name;
  SetFont(font);
}

void Control::SetFontHeight(int height) {
  Font font = font_;
  font.height = height;
  SetFont(font);
}

void Control::SetFontBold(bool bold) {
  Font font = font_;
  font.bold = bold;
  SetFont(font);
}

void Control::ApplyFont() {
  if (hwnd_ == nullptr) return;
  SetControlFontColor(hwnd_, font_.color);
  FontHandle created = font_.Create();
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(created.Get()), TRUE);
  fontHandle_ = std::move(created);  // the old font is deleted only after the control let go of it
}

void Control::SetFocus() {
  if (hwnd_ == nullptr || Orphaned()) return;
  if (GetActiveWindow() == Owner().Handle()) {
    ::SetFocus(hwnd_);
  } else {
    Owner().SetActiveControl(hwnd_);
  }
}

void Control::Invalidate() {
  if (hwnd_ != nullptr) InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace forms
