// forms_demo.exe <background.bmp> <corrupt.bmp> <missing.bmp>: the demo form as a program.
#include <windows.h>
#include <shellapi.h>

#include "tests/wine/forms/demo_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  demo::DemoFiles files;
  if (args != nullptr && count >= 4) files = {args[1], args[2], args[3]};
  if (args != nullptr) LocalFree(args);

  forms::Application::Initialize();
  demo::TFDemo form(files);
  form.FireCreate();
  return forms::Application::Run(form);
}
