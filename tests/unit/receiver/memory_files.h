// Per-user files kept in memory: what a program leaves behind outlives the program's objects.
#pragma once
#include <map>
#include <string>

#include "userfiles/user_file_ops.h"

namespace receivertest {

struct MemoryFiles {
  std::map<std::wstring, std::string> files;
  bool failWrites = false;

  userfiles::FileOps Ops() {
    userfiles::FileOps ops;
    ops.read = [this](const std::wstring& path, std::string* bytes) {
      const auto found = files.find(path);
      if (found == files.end()) return false;
      *bytes = found->second;
      return true;
    };
    ops.write = [this](const std::wstring& path, const std::string& bytes) {
      if (failWrites) return false;
      files[path] = bytes;
      return true;
    };
    ops.replace = [this](const std::wstring& from, const std::wstring& to) {
      if (files.count(from) == 0) return false;
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

}  // namespace receivertest
