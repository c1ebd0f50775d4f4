#include "plugins/confirm/ackbox_form.h"

#include "framework/core/file_io.h"
#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "skin/core/skin_fallback.h"
#include "skin/core/slot_table.h"
#include "skin/win32/shape_window.h"

namespace ackbox {
namespace {

// Static data of the plug-in: the dialog is shaped on its first activation after each load.
forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"Ackbox";
constexpr wchar_t kLayoutFile[] = L"UI.txt";
constexpr wchar_t kBackgroundFile[] = L"Ackbox_Background.bmp";
constexpr COLORREF kTeal = RGB(0, 128, 128);

// The label shows about five short lines; a longer text only costs time on every paint, so a
// runaway message is cut (never inside a surrogate pair).
constexpr size_t kMaxMessageLength = 1024;

skin::Rect RectOf(const forms::Control& control) {
  return {control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
}

std::wstring MessageText(const wchar_t* message) {
  if (message == nullptr) return std::wstring();
  size_t length = 0;
  while (length < kMaxMessageLength && message[length] != L'\0') ++length;
  if (length == kMaxMessageLength && IS_HIGH_SURROGATE(message[length - 1])) --length;
  return std::wstring(message, length);
}

}  // namespace

TFAckbox::TFAckbox(HWND owner, uint32_t reserved, const wchar_t* message, const std::wstring& root,
                   uint16_t id)
    : Form(L"FAckbox", owner) {
  SetSize(360, 219);
  lb_Message.SetAutoSize(false);
  lb_Message.SetWordWrap(true);
  lb_Message.SetLayout(forms::TextLayout::kCenter);
  lb_Message.SetFont({L"Tahoma", 13, false, kTeal});
  bt_OK.SetTag(22001);
  bt_WindowClose.SetTag(22003);

  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  const auto mouseDown = [this](forms::MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
  OnMouseDown = mouseDown;
  im_BackgroundImage.OnMouseDown = mouseDown;
  lb_Message.OnMouseDown = mouseDown;
  bt_OK.OnClick = [this] { bt_OKClick(); };
  bt_WindowClose.OnClick = [this] { bt_WindowCloseClick(); };

  languageId = id;
  formsRoot = root;
  xGetQuarnLanguage(languageId);

  // The layout file may move the controls, so the picture is judged once they are where they
  // will be shown.
  framework::ApplyFormTexts(*this, {languageName, kSection, L"", formsRoot, L".\\", kLayoutFile});
  lb_Message.SetCaption(MessageText(message));

  const std::wstring background = xCheckFile(kBackgroundFile);
  forms::Bitmap picture;
  // Any size that holds the controls will do, smaller than the design or not. A damaged picture
  // that still reads as a bitmap must not cut the buttons off: without a usable picture the dialog
  // keeps its design size and stays unshaped.
  if (!background.empty() && picture.LoadFromFile(background) == forms::LoadResult::kOk &&
      skin::BackgroundCoversControls({picture.Width(), picture.Height()},
                                     {RectOf(lb_Message), RectOf(bt_OK), RectOf(bt_WindowClose)})) {
    im_BackgroundImage.SetPicture(std::move(picture));
  }

  skin = std::make_unique<skin::Lustrea>(Handle(), languageId, skin::DialogSlotTable());
}

void TFAckbox::xGetQuarnLanguage(uint16_t id) {
  languageName = framework::LanguageNameFor(id, GetUserDefaultLangID());
}

std::wstring TFAckbox::xCheckFile(const std::wstring& file) const {
  for (const std::wstring& folder : {languageName, std::wstring(framework::kEnglish)}) {
    const std::wstring path = L".\\" + folder + L"\\" + file;
    if (framework::FileExists(path)) return path;
  }
  return std::wstring();
}

void TFAckbox::FormCreate() {
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  SetExStyle(ToolWindowStyle(forms::Application::MainFormExStyle()));
  skin->Active();
}

void TFAckbox::FormActivate() {
  if (firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TFAckbox::FormMouseDown(forms::MouseButton button, int, int) {
  if (button == forms::MouseButton::kLeft) forms::DragWindow(Handle());
}

void TFAckbox::bt_OKClick() {
  SetResult(kOk);
  Close();
}

void TFAckbox::bt_WindowCloseClick() {
  SetResult(kWindowClose);
  Close();
}

bool TFAckbox::FormCloseQuery() {
  framework::FreeLanguage();
  return true;
}

void TFAckbox::SetResult(int32_t value) {
  if (result != nullptr) *result = value;
}

}  // namespace ackbox
