// The plug-in's export (Wavegauge.def): return_Wavegauge.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/core/language.h"
#include "framework/core/plugin_contract.h"
#include "framework/win32/plugin_library.h"
#include "plugins/gauge/wavegauge_form.h"

namespace {

HMODULE pluginModule = nullptr;

// At most 16 characters: a record whose variant lacks its terminator is read no further.
std::wstring TextVariant(const contract::GaugeParams& record) {
  const char16_t* variant = record.head.textVariant;
  size_t length = 0;
  while (length < contract::kTextVariantUnits - 1 && variant[length] != 0) ++length;
  return std::wstring(reinterpret_cast<const wchar_t*>(variant), length);
}

// The display already open (perhaps from an earlier call still on screen): bring it to the front.
bool BringOpenDisplayToFront() {
  HWND open = FindWindowW(nullptr, gauge::kFormCaption);
  if (open == nullptr) return false;
  SetForegroundWindow(open);
  return true;
}

// Tells the user through the confirmation dialog that no receiver is plugged in.
void ShowNoReceiver(uint16_t languageId, const std::wstring& formsRoot) {
  framework::LoadLanguage(framework::LanguageNameFor(languageId, GetUserDefaultLangID()), formsRoot);
  const std::wstring text = framework::GetText(gauge::kSection, L"DongleNotExist");
  int32_t ignored = 0;
  framework::CallPluginOnce<contract::ReturnAckboxProc>(formsRoot + contract::kAckboxLibrary,
                                                        contract::kReturnAckbox, &ignored,
                                                        static_cast<uint32_t>(languageId), text.c_str(), 0u);
  framework::FreeLanguage();
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    pluginModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" int32_t WINAPI return_Wavegauge(contract::GaugeParams* record) {
  int32_t result = gauge::kClosedByExit;
  try {
    if (BringOpenDisplayToFront()) return contract::kAlreadyOpen;
    if (record == nullptr) return result;  // nothing to show and nobody to ask
    const uint16_t languageId = record->head.languageId;
    const std::wstring variant = TextVariant(*record);
    // Bitmaps and the layout file are found in the plug-in's folder, the language files and the
    // shared libraries in the forms root above it. The directory is left as it is on return.
    const std::wstring pluginFolder = framework::ModuleFolder(pluginModule);
    const std::wstring formsRoot = framework::ParentFolder(pluginFolder);
    SetCurrentDirectoryW(pluginFolder.c_str());

    // Only the low byte carries the host's check; the bytes above it are not set.
    if (record->receiverPresent == 0) {
      ShowNoReceiver(languageId, formsRoot);
      return contract::kAlreadyOpen;
    }
    auto form = forms::MakeForm<gauge::TFWavegauge>(GetActiveWindow(), variant, pluginFolder, formsRoot, languageId);
    form->result = &result;
    form->hostWindow = contract::FromWindowField<HWND>(record->head.hostWindow);
    form->FireCreate();
    form->ShowModal();
  } catch (...) {
    // Nothing may unwind into the host; the display then counts as closed without a button.
  }
  return result;
}
