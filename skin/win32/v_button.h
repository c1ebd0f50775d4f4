// Skin of a push button: cells normal / hover / pressed / disabled, caption drawn over the cell.
#pragma once
#include <windows.h>

#include <string>

#include "skin/core/outline.h"
#include "skin/win32/dib_bitmap.h"
#include "skin/win32/pointer_state.h"
#include "skin/win32/skin_context.h"
#include "skin/win32/window_hook.h"

namespace skin {

class VButton {
 public:
  VButton() = default;
  // Gives the control back the window procedure it had before Hook.
  ~VButton() { hook_.Detach(); }
  VButton(const VButton&) = delete;
  VButton& operator=(const VButton&) = delete;

  void SetContext(SkinContext* context) { context_ = context; }
  void SetControl(HWND control) {
    control_ = control;
    StartTracking(control, pointer_);
  }
  // The window text the skin gave the control for screen readers: not drawn over the bitmap.
  void SetAssignedName(const std::wstring& name) { assignedName_ = name; }
  bool Hook() { return hook_.Attach(control_, &OnMessage, this); }
  void SetDestroying() { destroying_ = true; }

 private:
  static void OnMessage(void* self, UINT message, WPARAM wParam, LPARAM lParam);
  void React(UINT message, WPARAM wParam);
  void Paint();

  PointerState pointer_;  // hover and pressed
  bool repaint_ = false;
  bool destroying_ = false;
  SkinContext* context_ = nullptr;
  HWND control_ = nullptr;
  std::wstring assignedName_;
  DibBitmap work_;
  DibBitmap cell_;
  Outline cachedOutline_;
  WindowHook hook_{HookLayer::Control};
  bool painting_ = false;  // a paint resizing its control gets WM_SIZE back
};

}  // namespace skin
