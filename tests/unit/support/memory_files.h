// Per-user files kept in memory: what a program leaves behind outlives the program's objects. Shared
// by the tests and fuzz targets of everything that keeps a per-user file (names, page journal).
#pragma once
#include <map>
#include <string>

#include "userfiles/user_file_ops.h"

namespace testfiles {

struct MemoryFiles {
  std::map<std::wstring, std::string> files;
  bool failWrites = false;   // a write leaves half its bytes behind and fails (a torn write)
  bool failReplace = false;
  int writes = 0;

  userfiles::FileOps Ops() {
    userfiles::FileOps ops;
    ops.read = [this](const std::wstring& path, std::string* bytes) {
      const auto found = files.find(path);
      if (found == files.end()) return false;
      *bytes = found->second;
      return true;
    };
    ops.write = [this](const std::wstring& path, const std::string& bytes) {
      ++writes;
      if (failWrites) {
        files[path] = bytes.substr(0, bytes.size() / 2);
        return false;
      }
      files[path] = bytes;
      return true;
    };
    ops.replace = [this](const std::wstring& from, const std::wstring& to) {
      if (failReplace || files.count(from) == 0) return false;
      files[to] = files[from];
      files.erase(from);
      return true;
    };
    ops.remove = [this](const std::wstring& path) { files.erase(path); };
    ops.makeFolder = [](const std::wstring&) { return true; };
    return ops;
  }
};

constexpr wchar_t kUserFolder[] = L"C:\\Users\\me\\AppData\\Roaming\\Tandra\\";

}  // namespace testfiles
