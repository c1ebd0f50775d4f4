// Files for test set-ups: each test works on its own copy of the staged installation.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace driver {

// Writes a whole file; false when it cannot be written completely.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);

// "Z:\..." for a path of the build machine, as Wine maps its root; ends with a backslash.
std::wstring HostFolder(const char* unixPath);
// Empties a folder (with a trailing backslash), sub-folders included; the folder itself stays.
void DeleteTree(const std::wstring& folder);
// Copies the files (not the sub-folders) of `from` matching `pattern` into `to`, creating `to`.
void CopyFiles(const std::wstring& from, const std::wstring& to, const wchar_t* pattern);

}  // namespace driver
