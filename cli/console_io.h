// The console side of Tandra_Cli.exe: text to a console window goes through WriteConsoleW (any
// language shows), to a pipe or a file as UTF-8 bytes, so scripts read one encoding.
#pragma once
#include <windows.h>

#include <string>

namespace cli {

bool IsConsole(HANDLE handle);
// UTF-8 `bytes` to the handle.
void WriteOut(HANDLE handle, const std::string& bytes);
void WriteText(HANDLE handle, const std::wstring& text);
// One line typed by the user (without its line break); "" at the end of input.
std::wstring ReadLine();

}  // namespace cli
