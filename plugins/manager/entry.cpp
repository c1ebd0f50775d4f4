// The plug-in's exports (CorvilManager.def): the entry return_CorvilManager and the form variable
// _FCorvilManager.
#include <windows.h>

#include <cstdint>

#include "framework/core/plugin_contract.h"
#include "framework/win32/plugin_library.h"
#include "plugins/manager/manager_form.h"

namespace {

HMODULE pluginModule = nullptr;

constexpr wchar_t kManagerCaption[] = L"FCorvilManager";
// Raised in this order when the manager is already open.
constexpr const wchar_t* kOpenWindows[] = {kManagerCaption, L"FQuerent", L"FAckbox", L"FNotabox"};

std::wstring TextVariant(const contract::TCorvilManagerParams& params) {
  std::wstring text;
  for (int i = 0; i < contract::kTextVariantUnits - 1 && params.head.textVariant[i] != 0; ++i) {
    text += static_cast<wchar_t>(params.head.textVariant[i]);
  }
  return text;
}

}  // namespace

// Exported as _FCorvilManager for callers that look for the form variable; the entry shows a form of
// its own and leaves this alone.
extern "C" {
manager::TFCorvilManager* FCorvilManager = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    pluginModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

// 3: already open (its windows were raised); 1: Cancel restored the opening state; 2: OK, Cancel
// without changes, or a refused update; 0: closed otherwise (or no usable block).
extern "C" int32_t WINAPI return_CorvilManager(contract::TCorvilManagerParams* params) {
  int32_t result = manager::kClosedOtherwise;
  try {
    if (FindWindowW(nullptr, kManagerCaption) != nullptr) {
      for (const wchar_t* caption : kOpenWindows) {
        if (HWND window = FindWindowW(nullptr, caption)) SetForegroundWindow(window);
      }
      return contract::kAlreadyOpen;
    }
    if (params == nullptr || params->tables == nullptr) return result;
    const std::wstring folder = framework::ModuleFolder(pluginModule);
    SetCurrentDirectoryW(folder.c_str());
    auto form = forms::MakeForm<manager::TFCorvilManager>(GetActiveWindow(), params->head.languageId,
                                                          TextVariant(*params), framework::ParentFolder(folder),
                                                          folder);
    form->Attach(params, &result);
    form->FireCreate();
    form->ShowModal();
  } catch (...) {
    // Nothing may unwind into the host.
  }
  return result;
}
