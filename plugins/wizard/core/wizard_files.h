// The wizard's own file lookups: the two UI-file settings, the default device name, and the bitmap
// lookup of every step form (language folder, then English).
#pragma once
#include <string>

namespace wizard {

inline constexpr wchar_t kStep1LayoutFile[] = L"UI_Step1.txt";
inline constexpr wchar_t kStep2LayoutFile[] = L"UI_Step2.txt";
inline constexpr wchar_t kStep3LayoutFile[] = L"UI_Step3.txt";
inline constexpr wchar_t kStep4LayoutFile[] = L"UI_Step4.txt";

// key in section [languageName] of the UI file, else in [English]; "@@" when neither has it or the
// file is missing.
std::wstring ReadLayoutSetting(const std::wstring& layoutFile, const std::wstring& languageName,
                               const std::wstring& key);

// "CorvilOpen" of UI_Step1.txt in the plug-in folder is "1".
bool MultiDeviceOptionsOn(const std::wstring& pluginFolder, const std::wstring& languageName);
// "DeviceDetialShowType" of UI_Step4.txt in the plug-in folder ("@@" when missing).
std::wstring DeviceDetailShowType(const std::wstring& pluginFolder, const std::wstring& languageName);

// "UnKnowDeviceName" from <formsRoot>Texts\<languageName>.txt, section "CorvilStep4.<variant>" (only
// for a variant that is not blank), then [CorvilStep4]; then the English file's [CorvilStep4]. A
// missing file is skipped. When no file gives it the name is empty: the missing-key marker must never
// become a device's name.
std::wstring DefaultDeviceName(const std::wstring& formsRoot, const std::wstring& languageName,
                               const std::wstring& textVariant);

// <pluginFolder><languageName>\<file>, else <pluginFolder>English\<file>; "" when neither exists.
std::wstring FindBitmap(const std::wstring& pluginFolder, const std::wstring& languageName,
                        const std::wstring& file);

}  // namespace wizard
