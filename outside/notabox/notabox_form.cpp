#include "outside/notabox/notabox_form.h"

#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "outside/dialogkit/dialog_support.h"
#include "skin/core/slot_table.h"
#include "skin/win32/shape_window.h"

namespace notabox {
namespace {

// Static data of the library: the dialog is shaped on its first activation after each load.
forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"Notabox";
constexpr wchar_t kLayoutFile[] = L"UI.txt";
constexpr wchar_t kBackgroundFile[] = L"Notabox_Background.bmp";
// A question is a sentence or two; a runaway text only costs time on every paint.
constexpr size_t kMaxQuestionLength = 1024;

}  // namespace

TFNotabox::TFNotabox(HWND owner, const wchar_t* question, const std::wstring& formsRoot, uint16_t languageId)
    : Form(L"FNotabox", owner), languageId_(languageId) {
  SetSize(360, 219);
  dialogkit::StyleMessageLabel(lb_Message);
  // The bitmaps of slots 1 and 2 (plain fill, copied then shaped) carry "Yes" and "No" drawn in the
  // user's language: the skin prints a button's own caption in the ANSI code page only.
  bt_Yes.SetTag(22001);
  bt_No.SetTag(22002);
  bt_WindowClose.SetTag(22003);

  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [] {
    framework::FreeLanguage();
    return true;
  };
  const forms::MouseHandler drag = forms::DragHandler(*this);
  OnMouseDown = drag;
  im_BackgroundImage.OnMouseDown = drag;
  lb_Message.OnMouseDown = drag;
  bt_Yes.OnClick = [this] {
    SetResult(kYes);
    Close();
  };
  bt_No.OnClick = [this] {
    SetResult(kNo);
    Close();
  };
  bt_WindowClose.OnClick = [this] { Close(); };

  languageName_ = dialogkit::LanguageNameOf(languageId_);
  const std::wstring background = dialogkit::LanguageBitmap(languageName_, kBackgroundFile);
  if (!background.empty()) im_BackgroundImage.LoadFromFile(background);

  framework::ApplyFormTexts(*this, {languageName_, kSection, L"", formsRoot, L".\\", kLayoutFile});
  lb_Message.SetCaption(dialogkit::CutText(question, kMaxQuestionLength));

  skin_ = std::make_unique<skin::Lustrea>(Handle(), languageId_, skin::DialogSlotTable());
}

void TFNotabox::FormCreate() {
  dialogkit::PlaceDialog(*this, im_BackgroundImage, *skin_);
  // Enter answers what has the focus; a question that may remove a device starts on No.
  bt_No.SetFocus();
}

void TFNotabox::FormActivate() {
  if (firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TFNotabox::SetResult(int32_t value) {
  if (result != nullptr) *result = value;
}

}  // namespace notabox
