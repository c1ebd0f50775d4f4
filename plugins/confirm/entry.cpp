// The plug-in's exports (Ackbox.def): the entry return_Ackbox and the form variable _FAckbox.
#include <windows.h>

#include <cstdint>

#include "plugins/confirm/ackbox_entry.h"
#include "plugins/confirm/ackbox_form.h"
#include "framework/win32/plugin_library.h"

namespace {

HMODULE pluginModule = nullptr;

}  // namespace

// Exported as _FAckbox for callers that look for the form variable; the entry shows a form of its
// own and leaves this alone.
extern "C" {
ackbox::TFAckbox* FAckbox = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    pluginModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" int32_t WINAPI return_Ackbox(uint32_t languageId, const wchar_t* message, uint32_t reserved) {
  int32_t result = ackbox::kClosedOtherwise;
  try {
    // The bitmaps and the layout file are found relative to the plug-in's folder; the caller sets
    // its own directory back if it needs it.
    const std::wstring folder = framework::ModuleFolder(pluginModule);
    SetCurrentDirectoryW(folder.c_str());
    // The caller's active window owns the dialog, so the dialog stays above it.
    auto form = forms::MakeForm<ackbox::TFAckbox>(GetActiveWindow(), reserved, message,
                                                  framework::ParentFolder(folder),
                                                  static_cast<uint16_t>(languageId & 0xFFFF));
    form->result = &result;
    form->FireCreate();
    form->ShowModal();
  } catch (...) {
    // Nothing may unwind into the caller; the dialog then counts as closed without a button.
  }
  return result;
}
