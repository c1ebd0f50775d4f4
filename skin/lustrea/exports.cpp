// The library's two exports, stdcall with undecorated names (Lustrea.def, --kill-at).
#include <windows.h>

#include "skin/lustrea/form_skins.h"

// form: the form's window handle; languageId: a Windows language identifier in the low 16 bits.
extern "C" void WINAPI New_Lustrea(HWND form, DWORD languageId) {
  lustrea::CreateFormSkin(form, static_cast<uint16_t>(languageId & 0xFFFF));
}

extern "C" void WINAPI Active_Lustrea() { lustrea::ActivateLatestSkin(); }
