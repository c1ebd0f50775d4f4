#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/component.h"
#include "forms/component_props.h"
#include "forms/image.h"
#include "forms/module_instance.h"

namespace forms {
namespace {

// The class is registered while forms of this module exist and unregistered with the last one:
// a plug-in DLL that is unloaded leaves no class behind pointing into freed code.
int liveForms = 0;

bool RegisterFormClass(WNDPROC procedure) {
  if (liveForms++ > 0) return true;
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ModuleInstance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterFormClass() {
  if (--liveForms == 0) UnregisterClassW(kFormClassName, ModuleInstance());
}

}  // namespace

Form::Form(const std::wstring& name, HWND ownerWindow)
    : name_(name.substr(0, kMaxNameLength)), color_(GetSysColor(COLOR_BTNFACE)) {
  brush_.Reset(CreateSolidBrush(color_));
  RegisterFormClass(&Form::WindowProc);
  hwnd_ = CreateWindowExW(0, kFormClassName, name_.c_str(), WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU, 0,
                          0, 320, 240, ownerWindow, nullptr, ModuleInstance(), this);
  if (hwnd_ == nullptr) return;
  SetComponentProps(hwnd_, name_, L"TForm", 0);
  SetPropW(hwnd_, kPropColor, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color_)));
}

Form::~Form() {
  if (hwnd_ != nullptr) {
    // Not torn down through FormPtr: the derived form is gone already, and a replacement procedure
    // may belong to it, so the window can only go without it (and without the hooks above it).
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::WindowProc));
  }
  for (Component* component : components_) component->owner_ = nullptr;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  UnregisterFormClass();
}

void Form::DestroyHandle() {
  // WM_NCDESTROY clears hwnd_ and each control's window handle.
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

Form* Form::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  wchar_t className[64] = {};
  if (GetClassNameW(window, className, 64) == 0 || lstrcmpW(className, kFormClassName) != 0) return nullptr;
  if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) != ModuleInstance()) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

std::wstring Form::Caption() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(hwnd_, &text[0], length + 1));
  return text;
}

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(hwnd_, caption.c_str()); }

Bounds Form::GetBounds() const {
  RECT rect = {};
  GetWindowRect(hwnd_, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void Form::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(hwnd_, nullptr, left, top, std::max(width, 0), std::max(height, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetLeft(int left) {
  const Bounds b = GetBounds();
  SetBounds(left, b.top, b.width, b.height);
}

void Form::SetTop(int top) {
  const Bounds b = GetBounds();
  SetBounds(b.left, top, b.width, b.height);
}

void Form::SetSize(int width, int height) {
  const Bounds b = GetBounds();
  SetBounds(b.left, b.top, width, height);
}

void Form::CenterOnScreen() {
  const Bounds b = GetBounds();
  // C++ division truncates toward zero, as the forms require for windows larger than the screen.
  SetBounds((GetSystemMetrics(SM_CXSCREEN) - b.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - b.height) / 2,
            b.width, b.height);
}

void Form::SetColor(COLORREF color) {
  color_ = color;
  brush_.Reset(CreateSolidBrush(color));
  if (hwnd_ == nullptr) return;
  SetPropW(hwnd_, kPropColor, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color)));
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

DWORD Form::ExStyle() const { return static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)); }

void Form::SetExStyle(DWORD exStyle) {
  SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::FireCreate() {
  if (created_) return;
  created_ = true;
  try {
    if (OnCreate) OnCreate();
  } catch (...) {
    Application::HandleCurrentException();
  }
}

void Form::Show() {
  if (hwnd_ == nullptr || Visible()) return;
  if (OnShow) OnShow();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

void Form::Hide() {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

void Form::BringToFront() {
  if (hwnd_ == nullptr) return;
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd_);
}

WNDPROC Form::ReplaceWindowProc(WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

Component* Form::FindComponent(const std::wstring& name) const {
  for (Component* component : components_) {
    if (component->Name() == name) return component;
  }
  return nullptr;
}

void Form::AddComponent(Component* component) { components_.push_back(component); }

void Form::RemoveComponent(Component* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
}

void Form::PlaceChild(HWND child) const {
  // Images lie below every other control, and a later image above the earlier ones: both kinds of
  // new child go right above the topmost image, or to the bottom when there is none.
  HWND topImage = nullptr;
  for (HWND h = GetWindow(hwnd_, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    if (h != child && ComponentClass(h) == L"TImage") {
      topImage = h;
      break;
    }
  }
  HWND after = HWND_BOTTOM;
  if (topImage != nullptr) {
    after = GetWindow(topImage, GW_HWNDPREV);
    if (after == child) return;
    if (after == nullptr) after = HWND_TOP;
  }
  SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::PaintBackground(HDC dc, const RECT& area) const {
  const RECT whole = {0, 0, area.right - area.left, area.bottom - area.top};
  FillRect(dc, &whole, brush_.Get());
  for (Component* component : components_) {
    const auto* image = dynamic_cast<const Image*>(component);
    if (image == nullptr || !image->Visible() || image->Picture().Empty()) continue;
    const Bounds b = image->GetBounds();
    const RECT imageRect = {b.left, b.top, b.left + b.width, b.top + b.height};
    RECT overlap;
    if (!IntersectRect(&overlap, &imageRect, &area)) continue;
    // The image control clips its picture to its own size.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, overlap.left - area.left, overlap.top - area.top, overlap.right - area.left,
                      overlap.bottom - area.top);
    image->Picture().DrawTo(dc, b.left - area.left, b.top - area.top);
    RestoreDC(dc, saved);
  }
}

}  // namespace forms
