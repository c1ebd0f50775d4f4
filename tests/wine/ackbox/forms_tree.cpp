#include "tests/wine/ackbox/forms_tree.h"

#include <windows.h>

#include "framework/core/ini_file.h"
#include "tests/wine/driver/files.h"

namespace ackbox_test {
namespace {

using driver::CopyFiles;
using driver::DeleteTree;

std::wstring WindowsPath(const char* unixPath) { return driver::HostFolder(unixPath); }

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
