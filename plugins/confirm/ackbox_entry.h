// The dialog's entry as its callers load it: GetProcAddress(module, kReturnAckboxName).
#pragma once
#include <windows.h>

#include <cstdint>

namespace ackbox {

// languageId in the low 16 bits (0 = the user's default); message: NUL-terminated UTF-16 text;
// reserved: 0. Returns 1 (OK), 3 (window-close button) or 0 (closed otherwise).
using ReturnAckboxProc = int32_t(WINAPI*)(uint32_t languageId, const wchar_t* message, uint32_t reserved);

inline constexpr char kReturnAckboxName[] = "return_Ackbox";
inline constexpr char kFormVariableName[] = "_FAckbox";

}  // namespace ackbox
