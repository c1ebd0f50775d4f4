#include "forms/application.h"

#include <commctrl.h>

#include "forms/form.h"

namespace forms {

Form* Application::mainForm_ = nullptr;
int Application::exitCode_ = 0;
bool Application::terminated_ = false;
std::wstring Application::title_;

namespace {

std::string NarrowFromWide(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string narrow(size > 0 ? size : 0, '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0], size,
                        nullptr, nullptr);
  }
  return narrow;
}

}  // namespace

Error::Error(const std::wstring& text) : std::runtime_error(NarrowFromWide(text)), text_(text) {}

std::wstring WideFromNarrow(const char* text) {
  if (text == nullptr || *text == '\0') return std::wstring();
  UINT codePage = CP_UTF8;
  int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
  if (size <= 0) {
    codePage = CP_ACP;
    size = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
  }
  if (size <= 1) return std::wstring();
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(codePage, 0, text, -1, &wide[0], size);
  wide.resize(size - 1);  // drop the terminator
  return wide;
}

void Application::Initialize() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

int Application::Run(Form& mainForm) {
  if (mainForm.Handle() == nullptr) return exitCode_;  // no window, nothing could ever end the loop
  mainForm_ = &mainForm;
  terminated_ = false;
  mainForm.Show();
  MSG message;
  while (!terminated_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;  // WM_QUIT, or a broken queue
    Dispatch(message);
  }
  terminated_ = true;
  mainForm_ = nullptr;
  return exitCode_;
}

DWORD Application::MainFormExStyle() { return mainForm_ != nullptr ? mainForm_->ExStyle() : 0; }

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(exitCode_);
}

void Application::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      PostQuitMessage(static_cast<int>(message.wParam));  // the outer loop must see it too
      return;
    }
    Dispatch(message);
  }
}

void Application::Dispatch(MSG& message) {
  try {
    // Any form of the layer, from whichever module: compare the class name, not this module's class.
    HWND active = GetActiveWindow();
    wchar_t className[64] = {};
    if (active != nullptr && GetClassNameW(active, className, 64) > 0 &&
        lstrcmpW(className, kFormClassName) == 0 && IsDialogMessageW(active, &message)) {
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  } catch (...) {
    HandleCurrentException();
  }
}

std::wstring Application::Title() {
  if (!title_.empty()) return title_;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.find_last_of(L'.'));
}

void Application::ShowError(const std::wstring& text) {
  HWND owner = GetActiveWindow();
  MessageBoxW(owner, text.c_str(), Title().c_str(), MB_OK | MB_ICONERROR);
}

void Application::HandleCurrentException() {
  std::wstring text;
  try {
    throw;
  } catch (const Error& error) {
    text = error.Text();
  } catch (const std::exception& error) {
    text = WideFromNarrow(error.what());
  } catch (...) {
    text = L"Unknown error.";
  }
  ShowError(text);
}

}  // namespace forms
