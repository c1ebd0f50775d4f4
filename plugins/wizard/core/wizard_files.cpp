#include "plugins/wizard/core/wizard_files.h"

#include <vector>

#include "framework/core/file_io.h"
#include "framework/core/ini_file.h"
#include "framework/core/language.h"
#include "framework/core/strutil.h"

namespace wizard {
namespace {

constexpr wchar_t kOptionsKey[] = L"CorvilOpen";
constexpr wchar_t kShowTypeKey[] = L"DeviceDetialShowType";
constexpr wchar_t kDefaultNameKey[] = L"UnKnowDeviceName";
constexpr wchar_t kStep4Section[] = L"CorvilStep4";

std::wstring LanguageFile(const std::wstring& formsRoot, const std::wstring& languageName) {
  return framework::JoinPath(framework::JoinPath(formsRoot, L"Texts"), languageName + L".txt");
}

}  // namespace

std::wstring ReadLayoutSetting(const std::wstring& layoutFile, const std::wstring& languageName,
                               const std::wstring& key) {
  const framework::IniFile file = framework::IniFile::Open(layoutFile);
  const std::wstring value = file.ReadString(languageName, key, framework::kMissingValue);
  if (value != framework::kMissingValue) return value;
  return file.ReadString(framework::kEnglish, key, framework::kMissingValue);
}

bool MultiDeviceOptionsOn(const std::wstring& pluginFolder, const std::wstring& languageName) {
  return ReadLayoutSetting(framework::JoinPath(pluginFolder, kStep1LayoutFile), languageName, kOptionsKey) == L"1";
}

std::wstring DeviceDetailShowType(const std::wstring& pluginFolder, const std::wstring& languageName) {
  return ReadLayoutSetting(framework::JoinPath(pluginFolder, kStep4LayoutFile), languageName, kShowTypeKey);
}

std::wstring DefaultDeviceName(const std::wstring& formsRoot, const std::wstring& languageName,
                               const std::wstring& textVariant) {
  struct Place {
    std::wstring file;
    std::wstring section;
  };
  std::vector<Place> places;
  const std::wstring own = LanguageFile(formsRoot, languageName);
  const std::wstring variant = framework::TrimBlanks(textVariant);
  if (!variant.empty()) places.push_back({own, std::wstring(kStep4Section) + L"." + variant});
  places.push_back({own, kStep4Section});
  places.push_back({LanguageFile(formsRoot, framework::kEnglish), kStep4Section});
  for (const Place& place : places) {
    const framework::IniFile file = framework::IniFile::Open(place.file);
    if (!file.Exists()) continue;
    const std::wstring name = file.ReadString(place.section, kDefaultNameKey, framework::kMissingValue);
    if (name != framework::kMissingValue) return name;
  }
  return std::wstring();
}

std::wstring FindBitmap(const std::wstring& pluginFolder, const std::wstring& languageName,
                        const std::wstring& file) {
  for (const std::wstring& folder : {languageName, std::wstring(framework::kEnglish)}) {
    const std::wstring path = framework::JoinPath(framework::JoinPath(pluginFolder, folder), file);
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

}  // namespace wizard
