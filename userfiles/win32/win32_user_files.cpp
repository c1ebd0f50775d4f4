#include "userfiles/win32/win32_user_files.h"

#include <windows.h>

namespace userfiles {

FileOps Win32FileOps() {
  FileOps ops;
  ops.read = [](const std::wstring& path, std::string* bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size{};
    // Our per-user files are small; anything huge is not ours.
    const bool sane = GetFileSizeEx(file, &size) && size.QuadPart < (1 << 20);
    bytes->assign(sane ? static_cast<size_t>(size.QuadPart) : 0, '\0');
    DWORD read = 0;
    const bool ok = sane && (bytes->empty() || ReadFile(file, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr));
    CloseHandle(file);
    bytes->resize(ok ? read : 0);
    return ok;
  };
  ops.write = [](const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
  };
  ops.replace = [](const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  };
  ops.remove = [](const std::wstring& path) { DeleteFileW(path.c_str()); };
  ops.makeFolder = [](const std::wstring& folder) {
    // Every missing level, from the top down (a fresh profile may lack even its Roaming folder).
    for (size_t slash = folder.find(L'\\', 3); slash != std::wstring::npos; slash = folder.find(L'\\', slash + 1)) {
      CreateDirectoryW(folder.substr(0, slash).c_str(), nullptr);
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  };
  return ops;
}

std::wstring UserFolder(const std::wstring& program) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  std::wstring folder(buffer, length);
  if (folder.back() != L'\\') folder += L'\\';
  return folder + program + L"\\";
}

}  // namespace userfiles
