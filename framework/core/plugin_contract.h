// What crosses between the host program and its plug-ins: the parameter records, the request block of
// the text-input dialog, the registered message names and the entry signatures.
//
// The records cross module boundaries as raw memory, so their layouts are fixed (little-endian).
// The 32-bit deliverables keep every size and offset exactly; the asserts at the end hold them.
//
// The 64-bit test tree (built only where the kernel cannot run 32-bit programs, see
// docs/ARCHITECTURE.md) cannot keep 4-byte pointers. There:
//   - window handle fields stay 32 bits wide: Windows keeps window handles to 32 significant bits so
//     that 32- and 64-bit processes can exchange them (HandleToLong / LongToHandle);
//   - pointer fields (the manager's table pointers) are 8 bytes wide at the same offsets, so the
//     manager record grows from 112 to 116 bytes; every other field stays where it is.
// The records are packed so that this holds in both trees.
#pragma once
#include <cstddef>
#include <cstdint>

#include "receiver/paired_device_table.h"

#if defined(_WIN32) && !defined(_WIN64)
#define SUITE_STDCALL __stdcall
#define SUITE_RECORDS_32BIT 1
#else
#define SUITE_STDCALL
#define SUITE_RECORDS_32BIT 0
#endif

namespace contract {

// A window handle as it travels in a record: 32 bits in every tree.
using WindowField = uint32_t;

template <typename Handle>
inline WindowField ToWindowField(Handle window) {
  return static_cast<WindowField>(reinterpret_cast<uintptr_t>(window));
}
template <typename Handle>
inline Handle FromWindowField(WindowField field) {
  // Sign-extended, as LongToHandle does.
  return reinterpret_cast<Handle>(static_cast<intptr_t>(static_cast<int32_t>(field)));
}

constexpr int kTextVariantUnits = 17;  // at most 16 characters and a terminating zero
constexpr int kDeviceNameUnits = 256;  // at most 255 characters and a terminating zero

// Device types of the wizard record and of AM_PAIR_RETURN_ID.
constexpr int32_t kMouse = 1;
constexpr int32_t kKeyboard = 2;
constexpr int32_t kNothingReported = -1;

#pragma pack(push, 1)

// The head that every record begins with.
struct RecordHead {
  uint16_t languageId;                     // 0: the user's default language
  char16_t textVariant[kTextVariantUnits];  // selects language-file sections; empty in the host
  WindowField hostWindow;                  // receives every request message
};

// The pairing wizard's record, 568 bytes.
struct WizardParams {
  RecordHead head;
  uint32_t reserved;                       // 40: the host writes 0
  uint32_t deviceId;                       // 44: the paired device, 19 significant bits
  int32_t deviceType;                      // 48: kMouse or kKeyboard, chosen in step 1
  char16_t deviceName[kDeviceNameUnits];   // 52: step 4's name (the host offers a stored one)
  int32_t previousDeviceType;              // 564: kMouse preselects the mouse in step 1
};

// The paired-device manager's record as the host builds it.
struct TCorvilManagerParams {
  RecordHead head;
  int32_t receiverCount;                   // 40
  int32_t selectedReceiver;                // 44: 0-based
  int32_t displayMode;                     // 48: 0 nothing, 1 mouse names, 2 colour circles
  host::TPairedDeviceTable* tables;        // 52: one table per receiver, read and written in place
#if SUITE_RECORDS_32BIT
  uint8_t unset[52];                       // 56..107: not set by the host
#else
  uint8_t unset[48];                       // 60..107
#endif
  host::TPairedDeviceTable* secondTable;   // 108: read 50 ms after the first; the manager ignores it
};

// Display modes of the manager record.
constexpr int32_t kMarkNothing = 0;
constexpr int32_t kShowMouseNames = 1;
constexpr int32_t kShowMouseColours = 2;

// The signal display's record.
struct GaugeParams {
  RecordHead head;
  uint8_t receiverPresent;                 // 40: result of the host's check just before the call
  uint8_t unset[3];                        // 41..43: not set by the host
};

// The request block of the text-input dialog (Querent).
constexpr int kQuerentTextUnits = 256;
struct QuerentRequest {
  uint16_t languageId;                     // 0
  uint8_t unused[38];
  char16_t prompt[kQuerentTextUnits];      // 40
  char16_t text[kQuerentTextUnits];        // 552: replaced by the edited text when accepted
  int32_t maxLength;                       // 1064: 14 for device names
};

#pragma pack(pop)

static_assert(sizeof(RecordHead) == 40, "record head is 40 bytes");
static_assert(offsetof(RecordHead, textVariant) == 2, "text variant at 2");
static_assert(offsetof(RecordHead, hostWindow) == 36, "host window at 36");
static_assert(sizeof(WizardParams) == 568, "WizardParams is 568 bytes");
static_assert(offsetof(WizardParams, reserved) == 40, "reserved at 40");
static_assert(offsetof(WizardParams, deviceId) == 44, "device ID at 44");
static_assert(offsetof(WizardParams, deviceType) == 48, "device type at 48");
static_assert(offsetof(WizardParams, deviceName) == 52, "device name at 52");
static_assert(offsetof(WizardParams, previousDeviceType) == 564, "previous device type at 564");
static_assert(offsetof(TCorvilManagerParams, receiverCount) == 40, "receiver count at 40");
static_assert(offsetof(TCorvilManagerParams, selectedReceiver) == 44, "selected receiver at 44");
static_assert(offsetof(TCorvilManagerParams, displayMode) == 48, "display mode at 48");
static_assert(offsetof(TCorvilManagerParams, tables) == 52, "table pointer at 52");
static_assert(offsetof(TCorvilManagerParams, secondTable) == 108, "second table pointer at 108");
static_assert(sizeof(TCorvilManagerParams) == 108 + sizeof(void*), "manager record ends after 108");
#if SUITE_RECORDS_32BIT
static_assert(sizeof(TCorvilManagerParams) == 112, "the host's manager record is 112 bytes");
static_assert(sizeof(void*) == 4, "32-bit records need 4-byte pointers");
#endif
static_assert(offsetof(GaugeParams, receiverPresent) == 40, "receiver present at 40");
static_assert(sizeof(GaugeParams) == 44, "GaugeParams is 44 bytes");
static_assert(offsetof(QuerentRequest, prompt) == 40, "prompt at 40");
static_assert(offsetof(QuerentRequest, text) == 552, "text at 552");
static_assert(offsetof(QuerentRequest, maxLength) == 1064, "maximum length at 1064");
static_assert(sizeof(QuerentRequest) == 1068, "Querent request is 1068 bytes");

// Registered window message names; each side registers them with RegisterWindowMessageW.
inline constexpr wchar_t kPairStart[] = L"AM_PAIR_START";
inline constexpr wchar_t kPairGetId[] = L"AM_PAIR_GET_ID";
inline constexpr wchar_t kPairReturnId[] = L"AM_PAIR_RETURN_ID";
inline constexpr wchar_t kPairStop[] = L"AM_PAIR_STOP";
inline constexpr wchar_t kManagerInsert[] = L"AM_CorvilManager_Insert";
inline constexpr wchar_t kRequestRfInfo[] = L"AM_CHANNEL_SETTING_EX_REQUEST_RFINFO";
inline constexpr wchar_t kRfInfo[] = L"AM_CHANNEL_SETTING_EX_RFINFO";
inline constexpr wchar_t kDeviceRemove[] = L"AM_DEVICE_REMOVE";

// The host's answer to an Insert it could not apply.
constexpr int32_t kInsertRefused = -1;

// Entries: exported by these undecorated names, callee-cleans on i686, 32-bit results.
using ReturnCorvilFormProc = int32_t(SUITE_STDCALL*)(WizardParams* record);
using ReturnCorvilManagerProc = int32_t(SUITE_STDCALL*)(TCorvilManagerParams* record);
using ReturnWavegaugeProc = int32_t(SUITE_STDCALL*)(GaugeParams* record);
using ReturnAckboxProc = int32_t(SUITE_STDCALL*)(uint32_t languageId, const wchar_t* text,
                                                 uint32_t mode);
using ReturnNotaboxProc = int32_t(SUITE_STDCALL*)(uint32_t languageId, const wchar_t* question);
using ReturnQuerentProc = int32_t(SUITE_STDCALL*)(QuerentRequest* request);

inline constexpr char kReturnCorvilForm[] = "return_CorvilForm";
inline constexpr char kReturnCorvilManager[] = "return_CorvilManager";
inline constexpr char kReturnWavegauge[] = "return_Wavegauge";
inline constexpr char kReturnAckbox[] = "return_Ackbox";
inline constexpr char kReturnNotabox[] = "return_Notabox";
inline constexpr char kReturnQuerent[] = "return_Querent";

// Library paths below the forms root.
inline constexpr wchar_t kWizardLibrary[] = L"CorvilForm\\CorvilForm.dll";
inline constexpr wchar_t kManagerLibrary[] = L"CorvilManager\\CorvilManager.dll";
inline constexpr wchar_t kGaugeLibrary[] = L"Wavegauge\\Wavegauge.dll";
inline constexpr wchar_t kAckboxLibrary[] = L"Ackbox\\Ackbox.dll";
inline constexpr wchar_t kNotaboxLibrary[] = L"Notabox\\Notabox.dll";
inline constexpr wchar_t kQuerentLibrary[] = L"Querent\\Querent.dll";
inline constexpr wchar_t kSkinLibrary[] = L"Lustrea\\Lustrea.dll";

// Results the host acts on.
constexpr int32_t kAlreadyOpen = 3;
constexpr int32_t kWizardAgain = 1000;
constexpr int32_t kWizardPairAnother = 1001;
constexpr int32_t kWizardOpenManager = 1002;

}  // namespace contract
