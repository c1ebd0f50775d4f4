/* DLL_Hidora: device access to the USB radio receiver. All exports are cdecl and exported by these
   plain names; 16-bit values travel in 32-bit argument slots whose upper half is ignored. */
#ifndef DLL_HIDORA_H
#define DLL_HIDORA_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Prepares the library (chooses the real USB tree or the simulator). Returns 1 when ready. */
int __cdecl Initial(HWND window);
/* Releases what Initial prepared. Returns 1. */
int __cdecl CloseQuery(void);
/* Number of receivers with these IDs, -1 when no count can be made. For the receiver at index,
   path (256 bytes) receives its NUL-terminated path and *tag its tag. */
int __cdecl GetUsbDeviceFromHub(DWORD vendorId, DWORD productId, int index, WCHAR* path,
                                DWORD* tag);
/* One command; the answer (length bytes asked for) is discarded. 1 when the receiver took it. */
int __cdecl Write(const WCHAR* path, DWORD tag, DWORD command, DWORD value, DWORD length);
/* One command whose answer fills buffer. 1 only when exactly length bytes came back. */
int __cdecl Read(const WCHAR* path, DWORD tag, DWORD command, DWORD value, DWORD length,
                 BYTE* buffer);

#ifdef __cplusplus
}
#endif

#endif
