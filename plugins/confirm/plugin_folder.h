// The plug-in's own folder and the forms root above it.
#pragma once
#include <windows.h>

#include <string>

namespace ackbox {

// The folder of `module`'s file with a trailing backslash, read into a 256-unit buffer (a longer
// path arrives cut); "" when the name has no folder.
std::wstring ModuleFolder(HMODULE module);

// "C:\a\b\" gives "C:\a\"; a folder without a parent gives "".
std::wstring ParentFolder(const std::wstring& folder);

}  // namespace ackbox
