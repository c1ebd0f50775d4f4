// The process's user-interface loop: message pump with dialog-style keyboard navigation for the
// active form, the main form, and the standard display of an error that reaches the loop.
// Every window procedure of the layer catches exceptions from event handlers and hands them here,
// so an error never unwinds through the system's code: the user sees a message box and the
// program goes on.
#pragma once
#include <windows.h>

#include <exception>
#include <stdexcept>
#include <string>

namespace forms {

class Form;

// An error whose text is already UTF-16 (a translated message, a path).
class Error : public std::runtime_error {
 public:
  explicit Error(const std::wstring& text);
  const std::wstring& Text() const { return text_; }

 private:
  std::wstring text_;
};

class Application {
 public:
  // Registers the common controls. Call once before creating forms.
  static void Initialize();
  // Shows the main form and runs messages until Terminate (closing the main form terminates);
  // returns ExitCode().
  static int Run(Form& mainForm);
  static Form* MainForm() { return mainForm_; }
  // The main form's extended style, 0 without one (plug-ins run inside another program's loop).
  static DWORD MainFormExStyle();

  static void Terminate();
  static bool Terminated() { return terminated_; }
  static void SetExitCode(int code) { exitCode_ = code; }
  static int ExitCode() { return exitCode_; }

  // Handles every waiting message, then returns. A WM_QUIT is kept for the outer loop.
  static void ProcessMessages();
  // Keyboard navigation for the active form, else translate and dispatch. Used by every loop.
  static void Dispatch(MSG& message);

  // The standard error display: a message box with the error's text, titled Title().
  static void ShowError(const std::wstring& text);
  // For catch blocks: shows the current exception (call inside `catch (...)`).
  static void HandleCurrentException();
  // Title of the error display: the program's file name without extension unless set.
  static std::wstring Title();
  static void SetTitle(const std::wstring& title) { title_ = title; }

 private:
  static Form* mainForm_;
  static int exitCode_;
  static bool terminated_;
  static std::wstring title_;
};

// UTF-8 (else system code page) text of std::exception::what() as UTF-16.
std::wstring WideFromNarrow(const char* text);

}  // namespace forms
