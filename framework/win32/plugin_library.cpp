#include "framework/win32/plugin_library.h"

namespace framework {
namespace {

constexpr DWORD kPathBufferUnits = MAX_PATH * 4;

std::wstring UpToLastBackslash(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

std::wstring ModuleFolder(HMODULE module) {
  wchar_t path[kPathBufferUnits] = {};
  const DWORD length = GetModuleFileNameW(module, path, kPathBufferUnits);
  if (length == 0 || length >= kPathBufferUnits) return std::wstring();
  return UpToLastBackslash(std::wstring(path, length));
}

std::wstring ParentFolder(const std::wstring& folder) {
  if (folder.empty()) return std::wstring();
  return UpToLastBackslash(folder.substr(0, folder.size() - 1));
}

void RemoveCurrentDirectoryFromDllSearch() { SetDllDirectoryW(L""); }

PluginLibrary::PluginLibrary(const std::wstring& fullPath) {
  // A relative path would be searched for: only full paths are loaded.
  const bool full = fullPath.size() > 2 && (fullPath[1] == L':' || (fullPath[0] == L'\\' && fullPath[1] == L'\\'));
  if (!full) return;
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  module_ = LoadLibraryExW(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  SetErrorMode(oldMode);
}

PluginLibrary::~PluginLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

}  // namespace framework
