#include "tests/wine/driver/hostile_files.h"

#include <windows.h>

#include <optional>

#include "framework/core/file_io.h"
#include "tests/wine/driver/files.h"

namespace driver {

std::string NoiseBytes(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  uint32_t state = seed | 1u;
  for (char& b : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    b = static_cast<char>(state & 0xFF);
  }
  return bytes;
}

bool AddHugeLine(const std::wstring& path, const std::string& key) {
  std::optional<std::string> bytes = framework::ReadFileBytes(path);
  if (!bytes) return false;
  std::string line = "\r\n" + key + "=";
  for (int i = 0; i < 1024 * 1024; ++i) line += (i % 1000 == 999) ? '\0' : static_cast<char>('A' + i % 26);
  line += "\r\n";
  const bool utf16 = bytes->size() >= 2 && static_cast<uint8_t>((*bytes)[0]) == 0xFF &&
                     static_cast<uint8_t>((*bytes)[1]) == 0xFE;
  if (utf16) {
    std::string wide;
    wide.reserve(line.size() * 2);
    for (char c : line) {
      wide += c;
      wide += '\0';
    }
    line = wide;
  }
  return WriteFileBytes(path, *bytes + line);
}

bool CutRunLengthData(const std::wstring& path) {
  std::optional<std::string> bytes = framework::ReadFileBytes(path);
  if (!bytes || bytes->size() < 54) return false;
  const auto& b = *bytes;
  const uint32_t dataOffset = static_cast<uint8_t>(b[10]) | static_cast<uint8_t>(b[11]) << 8 |
                              static_cast<uint8_t>(b[12]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(b[13])) << 24;
  const bool runLength = b[30] == 1 || b[30] == 2;  // BI_RLE8, BI_RLE4
  if (!runLength || dataOffset >= b.size()) return false;
  return WriteFileBytes(path, b.substr(0, dataOffset + (b.size() - dataOffset) / 3));
}

PrivateProfile::PrivateProfile(const std::wstring& folder, const std::wstring& vendor)
    : appData_(folder + L"AppData"), userFolder_(folder + L"AppData\\" + vendor + L"\\") {
  wchar_t previous[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"APPDATA", previous, MAX_PATH);
  previous_ = previous;
  CreateDirectoryW(appData_.c_str(), nullptr);
  CreateDirectoryW(userFolder_.c_str(), nullptr);
  SetEnvironmentVariableW(L"APPDATA", appData_.c_str());
}

PrivateProfile::~PrivateProfile() { SetEnvironmentVariableW(L"APPDATA", previous_.c_str()); }

}  // namespace driver
