// The names file's operations on Windows, and where the file lives for the user.
#pragma once
#include <string>

#include "host/names/device_names.h"

namespace host {

NameFileOps Win32NameFileOps();

// "%APPDATA%\Tandra\" with a trailing backslash; "" when the user has no application-data folder
// (the names then are not kept).
std::wstring UserDeviceNamesFolder();

}  // namespace host
