// Files an installation or a user profile can hold that no program of the suite wrote: for tests
// that start a real program on them and expect it to show what it could read and write nothing.
#pragma once
#include <cstdint>
#include <string>

namespace driver {

// `size` bytes of noise, the same for the same seed.
std::string NoiseBytes(size_t size, uint32_t seed);
// Adds a line of about 1 MB with zeros inside it to a language file, in the file's own encoding
// (UTF-16 when it starts with a byte-order mark, bytes otherwise), under `key`.
bool AddHugeLine(const std::wstring& path, const std::string& key);
// Cuts the pixel data of a run-length bitmap to a third and leaves its header as it was, so the
// runs it promises reach past the end of the file.
bool CutRunLengthData(const std::wstring& path);

// Points APPDATA, which the programs a test starts inherit, at <folder>AppData for the object's
// lifetime, with the per-user folder <folder>AppData\<vendor>\ made.
class PrivateProfile {
 public:
  PrivateProfile(const std::wstring& folder, const std::wstring& vendor);
  ~PrivateProfile();
  PrivateProfile(const PrivateProfile&) = delete;
  PrivateProfile& operator=(const PrivateProfile&) = delete;
  const std::wstring& AppData() const { return appData_; }
  const std::wstring& UserFolder() const { return userFolder_; }  // ends with a backslash

 private:
  std::wstring previous_;
  std::wstring appData_;
  std::wstring userFolder_;
};

}  // namespace driver
