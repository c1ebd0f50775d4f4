// Base class of the suite's forms: a borderless popup window (WS_POPUP, no caption bar) that owns
// its components.
//
// How a form is built:
//   class TFDemo : public forms::Form {
//    public:
//     TFDemo() : Form(L"FDemo") {           // window exists from here on, captioned "FDemo"
//       bt_OK.OnClick = [this] { bt_OKClick(); };
//       OnCreate = [this] { FormCreate(); };
//     }
//     forms::Image im_BackgroundImage{*this, L"im_BackgroundImage", {0, 0, 300, 150}};
//     forms::Button bt_OK{*this, L"bt_OK", {117, 104, 77, 26}, L"OK"};
//   };
//   auto form = forms::MakeForm<TFDemo>();  // constructor: components and their windows exist
//   form->FireCreate();     // the creator then runs OnCreate, once
//   form->ShowModal();      // or Show(), or Application::Run(*form)
//   // form going out of scope: DestroyHandle, then the object
// A form is torn down in two phases, always through FormPtr: first its window with every control's
// window, while the whole form object (derived members, replaced window procedures, hooks of other
// modules above them) still stands; then the object. So every message of the teardown reaches a
// complete form, and a hook above the form sees WM_DESTROY and WM_NCDESTROY. Everything runs on the
// thread that created the form.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "forms/basics.h"
#include "forms/font.h"
#include "forms/gdi_handles.h"

namespace forms {

class Component;
class Control;

// Window class of every form; the same name in every module that links the layer.
inline constexpr wchar_t kFormClassName[] = L"FormsLayerForm";

// True exactly once: for the first-activation work (shaping the window) that a deliverable does
// once per load. Keep one in the deliverable's static data.
class FirstActivation {
 public:
  bool Take() {
    const bool first = first_;
    first_ = false;
    return first;
  }

 private:
  bool first_ = true;
};

class Form {
 public:
  // Window caption = name until SetCaption. `ownerWindow` becomes the popup's owner.
  explicit Form(const std::wstring& name, HWND ownerWindow = nullptr);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // The form behind a window of this module's form class; null for any other window.
  static Form* FromHandle(HWND window);

  HWND Handle() const { return hwnd_; }
  const std::wstring& Name() const { return name_; }
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);

  // Screen position; a borderless form's client area is its whole window.
  int Left() const { return GetBounds().left; }
  int Top() const { return GetBounds().top; }
  int Width() const { return GetBounds().width; }
  int Height() const { return GetBounds().height; }
  Bounds GetBounds() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetSize(int width, int height);
  // left = (screen width - width) / 2, top likewise, truncated toward zero.
  void CenterOnScreen();

  // Background colour; also published as the "Color" window property.
  COLORREF Color() const { return color_; }
  void SetColor(COLORREF color);
  // Font given to components created from now on.
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font) { font_ = font; }

  DWORD ExStyle() const;
  void SetExStyle(DWORD exStyle);
  // exStyle with WS_EX_TOOLWINDOW added and WS_EX_APPWINDOW removed: no taskbar button.
  static DWORD ToolWindowStyle(DWORD exStyle) { return (exStyle | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW; }
  static DWORD AppWindowStyle(DWORD exStyle) { return (exStyle | WS_EX_APPWINDOW) & ~WS_EX_TOOLWINDOW; }

  // Runs OnCreate; only the first call does anything. An exception from it is shown by the
  // application's error display.
  void FireCreate();
  // OnShow runs before the window appears.
  void Show();
  void Hide();
  bool Visible() const;
  void BringToFront();

  // Disables the thread's other enabled top-level windows, shows the form and runs messages until
  // the modal result is set (SetModalResult, Close, a button's modal result) and OnCloseQuery
  // agrees; then re-enables those windows, hides the form and returns the modal result.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);
  // Asks OnCloseQuery, runs OnClose and hides the form. A modal form gets the result kCancel when it
  // has none yet; closing the application's main form ends Application::Run.
  void Close();

  // Replaces the window procedure (SetWindowLongPtrW) and returns the previous one, to which the new
  // procedure forwards what it does not handle (CallWindowProcW). FromHandle still works inside it,
  // and the replacement sees the window's last messages (DestroyHandle).
  WNDPROC ReplaceWindowProc(WNDPROC procedure);

  // The first phase of the teardown (FormPtr runs it): destroys the window, its controls' windows
  // with it, while the whole form stands. Only the first call does anything; afterwards Handle() is
  // null and the destructor has nothing left to do.
  void DestroyHandle();

  // Components in creation order.
  const std::vector<Component*>& Components() const { return components_; }
  Component* FindComponent(const std::wstring& name) const;
  void SetActiveControl(HWND control) { focus_ = control; }

  // Paints what lies under a transparent control at `area` (form client coordinates): the form's
  // colour and every visible image component, earlier images below later ones. (0, 0) of the DC is
  // the area's top-left corner.
  void PaintBackground(HDC dc, const RECT& area) const;

  NotifyHandler OnCreate;
  NotifyHandler OnShow;
  NotifyHandler OnActivate;
  NotifyHandler OnClose;
  std::function<bool()> OnCloseQuery;  // false refuses to close
  MouseHandler OnMouseDown;            // presses on the form's own background
  // Sees every message first (registered messages above all); true = handled, with *result.
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)> OnMessage;

 private:
  friend class Component;
  friend class Control;
  friend class Timer;
  void AddComponent(Component* component);
  void RemoveComponent(Component* component);
  // Child window ids and timer ids, unique within the form.
  int NextControlId() { return nextControlId_++; }
  // Puts a new child window into the z-order of the component contract.
  void PlaceChild(HWND child) const;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Activated(bool active);
  void DispatchTimer(UINT_PTR id);
  void KeyboardCommand(WORD id);
  void DispatchMouseDown(MouseButton button, LPARAM lParam);
  bool QueryClose();

  HWND hwnd_ = nullptr;
  std::wstring name_;
  COLORREF color_;
  BrushHandle brush_;
  Font font_;
  std::vector<Component*> components_;
  HWND focus_ = nullptr;  // the child to focus on the next activation
  bool created_ = false;
  bool modal_ = false;
  int modalResult_ = modal::kNone;
  int nextControlId_ = 1000;  // clear of IDOK/IDCANCEL, which IsDialogMessage sends
};

// Owns a form and tears it down in its two phases: the window, then the object.
struct FormTeardown {
  void operator()(Form* form) const {
    form->DestroyHandle();
    delete form;
  }
};
template <typename F>
using FormPtr = std::unique_ptr<F, FormTeardown>;

template <typename F, typename... Args>
FormPtr<F> MakeForm(Args&&... args) {
  return FormPtr<F>(new F(std::forward<Args>(args)...));
}

}  // namespace forms
