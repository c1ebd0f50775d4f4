#include "skin/win32/window_hook.h"

namespace skin {
namespace {

const wchar_t* PropertyOf(HookLayer layer) {
  return layer == HookLayer::Control ? L"LustreaControlSkin" : L"LustreaFormSkin";
}

WindowHook* Find(HWND window, HookLayer layer) {
  return static_cast<WindowHook*>(GetPropW(window, PropertyOf(layer)));
}

}  // namespace

bool WindowHook::Attach(HWND window, Listener listener, void* owner) {
  if (window_ != nullptr || !IsWindow(window) || IsAttached(window, layer_)) return false;
  if (!SetPropW(window, PropertyOf(layer_), this)) return false;
  window_ = window;
  listener_ = listener;
  owner_ = owner;
  WNDPROC procedure = layer_ == HookLayer::Control ? &ControlProcedure : &FormProcedure;
  saved_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  return true;
}

void WindowHook::Detach() {
  if (window_ == nullptr) return;
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
    RemovePropW(window_, PropertyOf(layer_));
  }
  window_ = nullptr;
}

bool WindowHook::IsAttached(HWND window, HookLayer layer) { return Find(window, layer) != nullptr; }

LRESULT CALLBACK WindowHook::ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(HookLayer::Control, window, message, wParam, lParam);
}

LRESULT CALLBACK WindowHook::FormProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(HookLayer::Form, window, message, wParam, lParam);
}

LRESULT WindowHook::Dispatch(HookLayer layer, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  WindowHook* hook = Find(window, layer);
  if (hook == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  const WNDPROC saved = hook->saved_;

  if (message == WM_NCDESTROY) {
    // The window's last message: give it back its procedure, then tell the owner it is gone.
    const Listener listener = hook->listener_;
    void* owner = hook->owner_;
    hook->Detach();
    LRESULT result = CallWindowProcW(saved, window, message, wParam, lParam);
    listener(owner, message, wParam, lParam);
    return result;
  }

  LRESULT result = CallWindowProcW(saved, window, message, wParam, lParam);
  // The saved procedure may have ended the skin (a click that closes the form): look again.
  hook = Find(window, layer);
  if (hook != nullptr) hook->listener_(hook->owner_, message, wParam, lParam);
  return result;
}

}  // namespace skin
