#include "tests/wine/ackbox/forms_tree.h"

#include <windows.h>

#include "framework/core/ini_file.h"

namespace ackbox_test {
namespace {

std::wstring WindowsPath(const char* unixPath) {
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

// Copies the files (not the sub-folders) of `from` matching `pattern` into `to`.
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

}  // namespace

std::wstring StagedFormsFolder() { return WindowsPath(SUITE_STAGE_DIR) + L"Data\\Tandra_Technology\\Forms\\"; }

std::wstring EvidenceFolder() {
  const std::wstring folder = WindowsPath(SUITE_EVIDENCE_DIR);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring StagedText(const std::wstring& language, const std::wstring& section, const std::wstring& key) {
  return framework::IniFile::Open(StagedFormsFolder() + L"Texts\\" + language + L".txt")
      .ReadString(section, key, L"");
}

FormsTree::FormsTree(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring top = std::wstring(temp) + L"ackbox-" + name + L"\\";
  DeleteTree(top);
  CreateDirectoryW(top.c_str(), nullptr);
  root_ = top + L"Forms\\";
  CreateDirectoryW(root_.c_str(), nullptr);
  const std::wstring staged = StagedFormsFolder();
  CopyFiles(staged + L"Texts\\", root_ + L"Texts\\", L"*.txt");
  CopyFiles(staged + L"Ackbox\\", PluginFolder(), L"*");
  CopyFiles(staged + L"Ackbox\\English\\", PluginFolder() + L"English\\", L"*.bmp");
}

void FormsTree::Remove(const std::wstring& relativePath) const { DeleteFileW((root_ + relativePath).c_str()); }

}  // namespace ackbox_test
