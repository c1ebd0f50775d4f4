// Skin of a radio button: box cell by checked and hover state; radio buttons carry no caption.
#pragma once
#include <windows.h>

#include <string>

#include "skin/core/outline.h"
#include "skin/win32/dib_bitmap.h"
#include "skin/win32/pointer_state.h"
#include "skin/win32/skin_context.h"
#include "skin/win32/window_hook.h"

namespace skin {

class VRadioBox {
 public:
  VRadioBox() = default;
  // Gives the control back the window procedure it had before Hook.
  ~VRadioBox() { hook_.Detach(); }
  VRadioBox(const VRadioBox&) = delete;
  VRadioBox& operator=(const VRadioBox&) = delete;

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

  PointerState pointer_;
  bool destroying_ = false;
  SkinContext* context_ = nullptr;
  HWND control_ = nullptr;
  std::wstring assignedName_;
  DibBitmap work_;
  DibBitmap cell_;
  Outline cachedOutline_;
  WindowHook hook_{HookLayer::Control};
};

}  // namespace skin
