#include "framework/core/file_io.h"

#include <cstdio>
#include <memory>

#include "framework/core/text_codec.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace framework {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

#ifdef _WIN32
FileHandle OpenForReading(const std::wstring& path) { return FileHandle(_wfopen(path.c_str(), L"rb")); }
#else
std::string NativePath(const std::wstring& path) {
  std::wstring slashed = path;
  for (auto& c : slashed) {
    if (c == L'\\') c = L'/';
  }
  return EncodeUtf8(slashed);
}
FileHandle OpenForReading(const std::wstring& path) {
  return FileHandle(std::fopen(NativePath(path).c_str(), "rb"));
}
#endif

}  // namespace

bool FileExists(const std::wstring& path) {
  if (path.empty()) return false;
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  if (!FileExists(path)) return std::nullopt;
  FileHandle file = OpenForReading(path);
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[8192];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (bytes.size() + got > kMaxTextFileBytes) return std::nullopt;
    bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

std::wstring SystemCodePageToWide(const std::string& bytes) {
#ifdef _WIN32
  if (bytes.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (length <= 0) return DecodeCp1252(bytes);
  std::wstring out(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &out[0], length);
  return out;
#else
  return DecodeCp1252(bytes);
#endif
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  const wchar_t last = folder.back();
  if (last == L'\\' || last == L'/') return folder + name;
  return folder + L'\\' + name;
}

}  // namespace framework
