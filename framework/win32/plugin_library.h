// Loading a plug-in or dialog library for one call: by full path, never through the search order, and
// freed right after the call.
#pragma once
#include <windows.h>

#include <string>

namespace framework {

// The folder of `module`'s file with a trailing backslash; "" when the name has no folder.
std::wstring ModuleFolder(HMODULE module);
// "C:\a\b\" gives "C:\a\"; a folder without a parent gives "".
std::wstring ParentFolder(const std::wstring& folder);

// Takes the current directory out of the DLL search order for the whole process (SetDllDirectoryW
// with an empty string), so that a library planted in the current folder is never loaded.
void RemoveCurrentDirectoryFromDllSearch();

// One library, loaded by its full path (LOAD_WITH_ALTERED_SEARCH_PATH: its own dependencies are
// looked up beside it), unloaded when this object goes.
class PluginLibrary {
 public:
  explicit PluginLibrary(const std::wstring& fullPath);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool Loaded() const { return module_ != nullptr; }
  HMODULE Module() const { return module_; }
  // The export by its exact name, as the given function type; null when missing or not loaded.
  template <typename Proc>
  Proc Entry(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_ = nullptr;
};

// Loads `fullPath`, looks `name` up and calls it once with `args`; the library is freed right after.
// Returns false (and calls nothing) when the library or the entry is missing; *result gets the
// entry's result otherwise.
template <typename Proc, typename Result, typename... Args>
bool CallPluginOnce(const std::wstring& fullPath, const char* name, Result* result, Args... args) {
  PluginLibrary library(fullPath);
  const Proc entry = library.Entry<Proc>(name);
  if (entry == nullptr) return false;
  const Result value = entry(args...);
  if (result != nullptr) *result = value;
  return true;
}

}  // namespace framework
