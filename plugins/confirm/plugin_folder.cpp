#include "plugins/confirm/plugin_folder.h"

namespace ackbox {
namespace {

constexpr DWORD kPathBufferUnits = 256;

std::wstring UpToLastBackslash(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

std::wstring ModuleFolder(HMODULE module) {
  wchar_t path[kPathBufferUnits] = {};
  const DWORD length = GetModuleFileNameW(module, path, kPathBufferUnits);
  // A cut name may lack its terminator on older systems: take only what was written.
  return UpToLastBackslash(std::wstring(path, length < kPathBufferUnits ? length : kPathBufferUnits));
}

std::wstring ParentFolder(const std::wstring& folder) {
  if (folder.empty()) return std::wstring();
  return UpToLastBackslash(folder.substr(0, folder.size() - 1));
}

}  // namespace ackbox
