// The per-user files' operations on Windows, and the per-user folder of each program.
#pragma once
#include <string>

#include "userfiles/user_file_ops.h"

namespace userfiles {

FileOps Win32FileOps();

// "%APPDATA%\<program>\" with a trailing backslash; "" when the user has no application-data folder
// (nothing is then kept).
std::wstring UserFolder(const std::wstring& program);

}  // namespace userfiles
