// The form's window procedure: events, dispatch of child notifications, closing and modality.
#include <windowsx.h>

#include "forms/application.h"
#include "forms/button.h"
#include "forms/component_props.h"
#include "forms/control.h"
#include "forms/form.h"
#include "forms/timer.h"

namespace forms {

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  // GWLP_USERDATA, not the current window procedure: a form whose procedure was replaced still
  // arrives here through CallWindowProcW.
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // Never let an exception unwind through the system's code.
    Application::HandleCurrentException();
    return 0;
  }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnMessage && OnMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
      return 1;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.Get());
      return 0;
    }
    case WM_COMMAND:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        control->Command(HIWORD(wParam));
      } else if (lParam == 0) {
        KeyboardCommand(LOWORD(wParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->CtlColor(reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_TIMER:
      DispatchTimer(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      DispatchMouseDown(MouseButton::kLeft, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      DispatchMouseDown(MouseButton::kRight, lParam);
      return 0;
    case WM_MBUTTONDOWN:
      DispatchMouseDown(MouseButton::kMiddle, lParam);
      return 0;
    case WM_ACTIVATE:
      Activated(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_NEXTDLGCTL: {
      // IsDialogMessage asks for Tab and arrow moves with this dialog-manager message.
      HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
      if (next != nullptr) ::SetFocus(next);
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_NCDESTROY:
      RemoveComponentProps(hwnd_);
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form::Activated(bool active) {
  if (!active) {
    HWND focused = GetFocus();
    if (focused != nullptr && IsChild(hwnd_, focused)) focus_ = focused;
    return;
  }
  HWND target = focus_;
  if (target == nullptr || !IsChild(hwnd_, target) || !IsWindowEnabled(target) || !IsWindowVisible(target)) {
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  ::SetFocus(target != nullptr ? target : hwnd_);
  if (OnActivate) OnActivate();
}

void Form::DispatchTimer(UINT_PTR id) {
  for (Component* component : components_) {
    auto* timer = dynamic_cast<Timer*>(component);
    if (timer != nullptr && timer->id_ == id) {
      timer->Tick();
      return;
    }
  }
}

void Form::DispatchMouseDown(MouseButton button, LPARAM lParam) {
  if (OnMouseDown) OnMouseDown(button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

bool Form::QueryClose() { return !OnCloseQuery || OnCloseQuery(); }

void Form::Close() {
  if (modal_) {
    // The modal loop asks OnCloseQuery and runs OnClose when it sees the result.
    SetModalResult(modalResult_ == modal::kNone ? modal::kCancel : modalResult_);
    return;
  }
  if (!QueryClose()) return;
  if (OnClose) OnClose();
  Hide();
  if (Application::MainForm() == this) Application::Terminate();
}

void Form::SetModalResult(int result) {
  modalResult_ = result;
  if (modal_ && hwnd_ != nullptr) PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the modal loop
}

namespace {

struct DisabledWindows {
  HWND except;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM context) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(context);
  if (window != disabled->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

int Form::ShowModal() {
  if (hwnd_ == nullptr || modal_) return modal::kNone;
  HWND previouslyActive = GetActiveWindow();
  DisabledWindows disabled{hwnd_, {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modalResult_ = modal::kNone;
  Show();

  MSG message;
  while (hwnd_ != nullptr) {
    if (modalResult_ != modal::kNone) {
      bool mayClose = true;
      try {
        mayClose = QueryClose();
      } catch (...) {
        Application::HandleCurrentException();
      }
      if (mayClose) break;
      modalResult_ = modal::kNone;
      continue;
    }
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
      break;
    }
    Application::Dispatch(message);
  }
  if (hwnd_ != nullptr && modalResult_ != modal::kNone && OnClose) {
    try {
      OnClose();
    } catch (...) {
      Application::HandleCurrentException();
    }
  }
  // Enable before hiding, so that activation goes back to the owner instead of another program.
  for (HWND window : disabled.windows) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  Hide();
  if (previouslyActive != nullptr && IsWindow(previouslyActive)) SetActiveWindow(previouslyActive);
  modal_ = false;
  return modalResult_;
}

// Enter and Escape arrive from the dialog-key handling as IDOK and IDCANCEL: Enter presses the
// focused button, Escape closes the form, as in any Windows dialog.
void Form::KeyboardCommand(WORD id) {
  if (id == IDCANCEL) {
    Close();
  } else if (id == IDOK) {
    if (auto* button = dynamic_cast<Button*>(Control::FromHandle(GetFocus()))) button->Click();
  }
}

}  // namespace forms
