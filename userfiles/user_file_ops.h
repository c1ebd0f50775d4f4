// The file operations that the programs' per-user files need (the device names, the page journal).
// The programs pass the Win32 ones (win32/win32_user_files.h), tests an in-memory set.
#pragma once
#include <functional>
#include <string>

namespace userfiles {

struct FileOps {
  // The whole file; false when it cannot be read (missing counts as unreadable).
  std::function<bool(const std::wstring& path, std::string* bytes)> read;
  // Creates or truncates the file, writes all bytes and flushes them to the disk; false on any
  // failure.
  std::function<bool(const std::wstring& path, const std::string& bytes)> write;
  // Replaces `to` by `from` in one step (MoveFileEx with replace-existing and write-through); false
  // on failure.
  std::function<bool(const std::wstring& from, const std::wstring& to)> replace;
  std::function<void(const std::wstring& path)> remove;
  // Creates the folder and any missing parent; false when it neither exists nor can be made.
  std::function<bool(const std::wstring& folder)> makeFolder;
};

// Writes `bytes` as folder + name durably: the folder is made if missing, a new file "<name>.new" is
// written and flushed, then moved over the old one, so a reader sees either the old file or the
// new one, never a part. False when any step failed; the old file then stays as it was.
bool ReplaceFile(const FileOps& ops, const std::wstring& folder, const std::wstring& name,
                 const std::string& bytes);

}  // namespace userfiles
