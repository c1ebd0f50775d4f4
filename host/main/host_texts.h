// The keys of the main window's language-file section that the host shows in the confirmation
// dialog.
#pragma once

namespace host {

inline constexpr wchar_t kMainSection[] = L"CorvilMain";

inline constexpr wchar_t kNoDongleExists[] = L"NoDongleExists";
inline constexpr wchar_t kMultipleDongle[] = L"MultipleDongle";
// The device-access library is missing or incomplete: the installation is damaged.
inline constexpr wchar_t kDeviceLibraryMissing[] = L"DeviceLibraryMissing";
// A receiver of a generation the suite cannot drive.
inline constexpr wchar_t kDongleNotSupported[] = L"DongleNotSupported";
// A plug-in library or its entry is missing.
inline constexpr wchar_t kPluginMissing[] = L"PluginMissing";
// A device reported during pairing but the receiver did not keep it.
inline constexpr wchar_t kDeviceNotStored[] = L"DeviceNotStored";
// Every slot of the kind was taken; %s stands for the replaced device's six-digit code.
inline constexpr wchar_t kDeviceReplaced[] = L"DeviceReplaced";
// A rewrite of the receiver's page was cut off (receiver pulled out, program stopped) and has been
// completed at this check; one line per device follows, from the two keys below (%s: the code).
inline constexpr wchar_t kPageRecovered[] = L"PageRecovered";
inline constexpr wchar_t kRecoveredMouse[] = L"RecoveredMouse";
inline constexpr wchar_t kRecoveredKeyboard[] = L"RecoveredKeyboard";
// A change made in the device manager did not reach the receiver.
inline constexpr wchar_t kChangeNotStored[] = L"ChangeNotStored";
// The device names file could not be written; the receiver's list is not affected.
inline constexpr wchar_t kNamesNotSaved[] = L"NamesNotSaved";

}  // namespace host
