// Skin of a combo box: a square cell drawn over its drop-down button. No caption, no shaping.
#pragma once
#include <windows.h>

#include <string>

#include "skin/win32/dib_bitmap.h"
#include "skin/win32/pointer_state.h"
#include "skin/win32/skin_context.h"
#include "skin/win32/window_hook.h"

namespace skin {

class VComboBox {
 public:
  VComboBox() = default;
  // Gives the control back the window procedure it had before Hook.
  ~VComboBox() { hook_.Detach(); }
  VComboBox(const VComboBox&) = delete;
  VComboBox& operator=(const VComboBox&) = delete;

  void SetContext(SkinContext* context) { context_ = context; }
  void SetControl(HWND control) { control_ = control; }
  // A combo box's window text is its selection: it takes no name from the skin.
  void SetAssignedName(const std::wstring&) {}
  bool Hook() { return hook_.Attach(control_, &OnMessage, this); }
  void SetDestroying() { destroying_ = true; }

 private:
  static void OnMessage(void* self, UINT message, WPARAM wParam, LPARAM lParam);
  void React(UINT message, WPARAM wParam);

  PointerState pointer_;
  bool destroying_ = false;
  SkinContext* context_ = nullptr;
  HWND control_ = nullptr;
  DibBitmap work_;
  DibBitmap cell_;
  WindowHook hook_{HookLayer::Control};
};

}  // namespace skin
