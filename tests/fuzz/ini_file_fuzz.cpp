// An INI file (language, layout, settings, names) as IniFile reads it, with the look-ups the
// programs make: known sections, every key listed, values read back.
#include <string>

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const framework::IniFile ini = framework::IniFile::FromBytes(bytes, framework::SystemCodePageToWide);
  for (const wchar_t* section : {L"English", L"Russian", L"CorvilMain", L"Simulator", L"Mouse", L"a", L""}) {
    for (const std::wstring& key : ini.SectionKeys(section)) {
      ini.ReadString(section, key, framework::kMissingValue);
      ini.ReadString(section, key + L"x", L"");
    }
    ini.ReadString(section, L"FontName", framework::kMissingValue);
  }
  return 0;
}
