// Subclassing by window procedure replacement: every message goes first to the procedure the window
// had, then to the owner's listener. Detaching restores exactly the saved procedure.
#pragma once
#include <windows.h>

namespace skin {

// A window carries at most one hook per layer: control skins, and the skin library's form binding.
enum class HookLayer { Control, Form };

class WindowHook {
 public:
  using Listener = void (*)(void* owner, UINT message, WPARAM wParam, LPARAM lParam);

  explicit WindowHook(HookLayer layer) : layer_(layer) {}
  ~WindowHook() { Detach(); }
  WindowHook(const WindowHook&) = delete;
  WindowHook& operator=(const WindowHook&) = delete;

  // False when the window does not exist or already has a hook of this layer. The listener also
  // receives WM_NCDESTROY, after the hook has detached itself; it may then free the hook's owner.
  bool Attach(HWND window, Listener listener, void* owner);
  void Detach();

  HWND window() const { return window_; }
  static bool IsAttached(HWND window, HookLayer layer);

 private:
  static LRESULT CALLBACK ControlProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK FormProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT Dispatch(HookLayer layer, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HookLayer layer_;
  HWND window_ = nullptr;
  WNDPROC saved_ = nullptr;
  Listener listener_ = nullptr;
  void* owner_ = nullptr;
};

}  // namespace skin
