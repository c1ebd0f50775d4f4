#include "skin/lustrea/form_skins.h"

#include <map>
#include <memory>

#include "skin/core/slot_table.h"
#include "skin/win32/lustrea.h"
#include "skin/win32/window_hook.h"

namespace lustrea {
namespace {

// Callers never free the skins they create; binding each skin to its form's window keeps one skin
// per form alive instead of leaking one (with its bitmaps) per form shown.
class FormSkin {
 public:
  FormSkin(HWND form, uint16_t languageId) : skin_(form, languageId, skin::LustreaSlotTable()) {
    // The pictures common to every form lie once beside this library; a form's folder may still
    // carry its own.
    skin_.SetSharedFolder(skin::kSharedSkinFolder);
    hook_.Attach(form, &OnFormMessage, this);
  }
  skin::Lustrea& skin() { return skin_; }

 private:
  static void OnFormMessage(void* self, UINT message, WPARAM, LPARAM);

  skin::Lustrea skin_;
  skin::WindowHook hook_{skin::HookLayer::Form};
};

std::map<HWND, std::unique_ptr<FormSkin>>& Skins() {
  static auto* skins = new std::map<HWND, std::unique_ptr<FormSkin>>();  // never destroyed: see Pin
  return *skins;
}

FormSkin* g_latest = nullptr;

void FormSkin::OnFormMessage(void* self, UINT message, WPARAM, LPARAM) {
  auto* formSkin = static_cast<FormSkin*>(self);
  if (message == WM_DESTROY) {
    // The controls still exist: they get their own procedures back before they are destroyed.
    formSkin->skin_.Deactivate();
  } else if (message == WM_NCDESTROY) {
    if (g_latest == formSkin) g_latest = nullptr;
    Skins().erase(formSkin->skin_.form());
  }
}

// Window procedures of live windows point into this library: keep it loaded for the process's life.
void Pin() {
  static bool pinned = false;
  if (pinned) return;
  HMODULE self = nullptr;
  pinned = GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                              reinterpret_cast<LPCWSTR>(&Pin), &self) != FALSE;
}

}  // namespace

void CreateFormSkin(HWND form, uint16_t languageId) {
  g_latest = nullptr;
  if (!IsWindow(form)) return;
  Pin();
  auto& skins = Skins();
  skins.erase(form);  // the earlier skin deactivates and unhooks the form first
  auto created = std::make_unique<FormSkin>(form, languageId);
  g_latest = created.get();
  skins[form] = std::move(created);
}

void ActivateLatestSkin() {
  if (g_latest != nullptr) g_latest->skin().Active();
}

size_t LiveFormSkins() { return Skins().size(); }

}  // namespace lustrea
