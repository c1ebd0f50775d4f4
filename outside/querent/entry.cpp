// The library's one export (Querent.def): return_Querent.
#include <windows.h>

#include <cstdint>

#include "framework/core/plugin_contract.h"
#include "outside/dialogkit/dialog_support.h"
#include "outside/querent/querent_form.h"

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

// 1 = the user accepted: the block's text holds the edited text. 0 = Cancel, the close button,
// Escape, or no dialog at all: the block is left as it was.
extern "C" int32_t WINAPI return_Querent(contract::QuerentRequest* request) {
  int32_t result = querent::kKept;
  if (request == nullptr) return result;
  try {
    const dialogkit::DialogFolders folders = dialogkit::EnterDialogFolder(libraryModule);
    auto form = forms::MakeForm<querent::TFQuerent>(dialogkit::CallerWindow(), *request, folders.formsRoot);
    form->result = &result;
    form->FireCreate();
    form->ShowModal();
  } catch (...) {
    result = querent::kKept;
  }
  return result;
}
