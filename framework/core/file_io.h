// The few file-system calls of the portable framework, and the only platform-specific code in it.
// Paths are UTF-16 and may use '\' as on Windows; elsewhere '\' is read as '/'.
#pragma once
#include <optional>
#include <string>

namespace framework {

// Files larger than this are treated as unreadable: the suite's text files are a few kilobytes, and
// a runaway file must not exhaust memory.
constexpr size_t kMaxTextFileBytes = 16 * 1024 * 1024;

// True when path names an existing regular file (a folder is not a file).
bool FileExists(const std::wstring& path);

// The file's bytes; nullopt when it cannot be opened or exceeds kMaxTextFileBytes.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Bytes of the system's 8-bit code page: the ANSI code page on Windows, Windows-1252 elsewhere.
std::wstring SystemCodePageToWide(const std::string& bytes);

// folder + name with exactly one separator between them ('\'); an empty folder gives name.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

}  // namespace framework
