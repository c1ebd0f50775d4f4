// Base of every windowed control: a real child window of a standard class (BUTTON, EDIT, COMBOBOX,
// STATIC) carrying the component properties, subclassed (comctl32 SetWindowSubclass, so other
// modules may hook it with SetWindowLongPtrW on top) for the few messages the layer needs.
#pragma once
#include <windows.h>

#include <string>

#include "forms/basics.h"
#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class Control : public Component {
 public:
  ~Control() override;  // destroys the window

  // The control behind a window made by this module's forms layer; null for any other window.
  static Control* FromHandle(HWND window);

  HWND Handle() const { return hwnd_; }
  bool SetName(const std::wstring& name) override;  // also the "ComponentName" property
  void SetTag(int tag) override;                     // also the "Tag" property

  // Position in the form's client area.
  int Left() const { return GetBounds().left; }
  int Top() const { return GetBounds().top; }
  int Width() const { return GetBounds().width; }
  int Height() const { return GetBounds().height; }
  Bounds GetBounds() const;
  virtual void SetBounds(int left, int top, int width, int height);
  void SetBounds(const Bounds& b) { SetBounds(b.left, b.top, b.width, b.height); }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Visible() const;
  virtual void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // The window text (WM_GETTEXT / WM_SETTEXT).
  std::wstring Caption() const;
  virtual void SetCaption(const std::wstring& caption);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontColor(COLORREF color);
  void SetFontName(const std::wstring& name);
  void SetFontHeight(int height);
  void SetFontBold(bool bold);

  // Focuses the control now, or when its form is next activated if the form is not active.
  void SetFocus();
  bool Focused() const { return hwnd_ != nullptr && GetFocus() == hwnd_; }
  void Invalidate();

  MouseHandler OnMouseDown;

 protected:
  // For a control that draws every pixel itself: answers WM_ERASEBKGND, WM_PAINT and WM_PRINTCLIENT
  // with paint(dc). False for any other message.
  template <typename Painter>
  bool HandleSelfPaint(UINT message, WPARAM wParam, LRESULT* result, Painter paint) {
    switch (message) {
      case WM_ERASEBKGND:
        *result = 1;
        return true;
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        paint(dc);
        EndPaint(hwnd_, &ps);
        *result = 0;
        return true;
      }
      case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        *result = 0;
        return true;
      default:
        return false;
    }
  }

  struct WindowSpec {
    const wchar_t* windowClass;
    DWORD style;  // WS_CHILD, WS_VISIBLE and WS_CLIPSIBLINGS are added
    DWORD exStyle;
    Bounds bounds;
    std::wstring text;
    Listing listing = Listing::kListed;
  };
  // Creates the window at once, with the owner form's font. On failure Handle() is null and every
  // operation does nothing.
  Control(Form& owner, const std::wstring& name, const wchar_t* className, const WindowSpec& spec);

  // Sees every message before the control's own window procedure; true = handled, *result is the
  // answer. Overrides call the base for what they do not handle.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The control's own window procedure (the standard class), for overrides that wrap it.
  LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void FontChanged() {}
  // The GDI font the control was given (WM_SETFONT), for controls that paint their own text.
  HFONT GdiFont() const { return fontHandle_.Get(); }
  // A WM_COMMAND notification the control sent to its form.
  virtual void Command(WORD code) {}
  // WM_CTLCOLOR* for this control: a brush, or null for the system's colours.
  virtual HBRUSH CtlColor(HDC dc) { return nullptr; }

 private:
  friend class Form;
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  void ApplyFont();

  HWND hwnd_ = nullptr;
  Font font_;
  FontHandle fontHandle_;
};

}  // namespace forms
