// The library's one export (Notabox.def): return_Notabox.
#include <windows.h>

#include <cstdint>

#include "outside/dialogkit/dialog_support.h"
#include "outside/notabox/notabox_form.h"

namespace {

HMODULE libraryModule = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    libraryModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

// languageId in the low 16 bits (0 = the user's default); question: NUL-terminated UTF-16 text.
// 1 = Yes, 0 = No, negative = closed without an answer (or the dialog could not be shown).
extern "C" int32_t WINAPI return_Notabox(uint32_t languageId, const wchar_t* question) {
  int32_t result = notabox::kNoAnswer;
  try {
    const dialogkit::DialogFolders folders = dialogkit::EnterDialogFolder(libraryModule);
    auto form = forms::MakeForm<notabox::TFNotabox>(dialogkit::CallerWindow(), question, folders.formsRoot,
                                                    static_cast<uint16_t>(languageId & 0xFFFF));
    form->result = &result;
    form->FireCreate();
    form->ShowModal();
  } catch (...) {
    // Nothing may unwind into the caller; a failure is no answer, so the caller changes nothing.
    result = notabox::kNoAnswer;
  }
  return result;
}
