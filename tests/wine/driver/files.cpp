#include "tests/wine/driver/files.h"

#include <windows.h>

namespace driver {

namespace {

bool WriteWholeFile(const std::wstring& path, const void* data, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

}  // namespace

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  return WriteWholeFile(path, bytes.data(), bytes.size());
}

std::wstring HostFolder(const char* unixPath) {
  std::wstring result = L"Z:";
  for (const char* p = unixPath; *p; ++p) result += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
  return result + L"\\";
}

void DeleteTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      DeleteTree(folder + name + L"\\");
      RemoveDirectoryW((folder + name).c_str());
    } else {
      DeleteFileW((folder + name).c_str());
    }
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

void CopyFiles(const std::wstring& from, const std::wstring& to, const wchar_t* pattern) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((from + pattern).c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileW((from + entry.cFileName).c_str(), (to + entry.cFileName).c_str(), FALSE);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

}  // namespace driver
