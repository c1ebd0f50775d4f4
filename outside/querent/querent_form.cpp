#include "outside/querent/querent_form.h"

#include <algorithm>

#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "outside/dialogkit/dialog_support.h"
#include "skin/core/slot_table.h"
#include "skin/win32/shape_window.h"

namespace querent {
namespace {

forms::FirstActivation firstActivation;

constexpr wchar_t kSection[] = L"Querent";
constexpr wchar_t kLayoutFile[] = L"UI.txt";
constexpr wchar_t kBackgroundFile[] = L"Querent_Background.bmp";

// The block's texts need not be terminated by a careless caller: read at most the room they have.
std::wstring BlockText(const char16_t* units) {
  std::wstring text;
  for (int i = 0; i < contract::kQuerentTextUnits && units[i] != 0; ++i) text += static_cast<wchar_t>(units[i]);
  if (text.size() == static_cast<size_t>(contract::kQuerentTextUnits)) text.pop_back();
  return text;
}

}  // namespace

int EffectiveMaxLength(int32_t requested) {
  return requested <= 0 || requested > kMaxTextLength ? kMaxTextLength : requested;
}

TFQuerent::TFQuerent(HWND owner, contract::QuerentRequest& request, const std::wstring& formsRoot)
    : Form(L"FQuerent", owner), request_(request) {
  SetSize(360, 219);
  dialogkit::StyleMessageLabel(lb_Prompt);
  // Captions are drawn into the bitmaps in the user's language (the skin prints a button's own
  // caption in the ANSI code page only).
  bt_OK.SetTag(22001);
  bt_Cancel.SetTag(22002);
  bt_WindowClose.SetTag(22003);

  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [] {
    framework::FreeLanguage();
    return true;
  };
  OnMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer) {
    return KeyCommand(message, wParam, lParam, answer);
  };
  const forms::MouseHandler drag = forms::DragHandler(*this);
  OnMouseDown = drag;
  im_BackgroundImage.OnMouseDown = drag;
  lb_Prompt.OnMouseDown = drag;
  bt_OK.OnClick = [this] { bt_OKClick(); };
  bt_Cancel.OnClick = [this] { Close(); };
  bt_WindowClose.OnClick = [this] { Close(); };

  languageName_ = dialogkit::LanguageNameOf(request.languageId);
  const std::wstring background = dialogkit::LanguageBitmap(languageName_, kBackgroundFile);
  if (!background.empty()) im_BackgroundImage.LoadFromFile(background);

  framework::ApplyFormTexts(*this, {languageName_, kSection, L"", formsRoot, L".\\", kLayoutFile});
  lb_Prompt.SetCaption(BlockText(request.prompt));
  // The limit first: a prefilled text longer than it is cut to it.
  ed_Text.SetMaxLength(EffectiveMaxLength(request.maxLength));
  ed_Text.SetText(BlockText(request.text));

  skin_ = std::make_unique<skin::Lustrea>(Handle(), request.languageId, skin::DialogSlotTable());
}

void TFQuerent::FormCreate() {
  dialogkit::PlaceDialog(*this, im_BackgroundImage, *skin_);
  ed_Text.SetFocus();
  SendMessageW(ed_Text.Handle(), EM_SETSEL, 0, -1);
}

void TFQuerent::FormActivate() {
  if (firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TFQuerent::bt_OKClick() {
  std::wstring text = ed_Text.Text();
  text.resize(std::min(text.size(), static_cast<size_t>(EffectiveMaxLength(request_.maxLength))));
  std::fill(std::begin(request_.text), std::end(request_.text), char16_t{0});
  std::copy(text.begin(), text.end(), request_.text);
  if (result != nullptr) *result = kAccepted;
  Close();
}

bool TFQuerent::KeyCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* answer) {
  // Enter from the dialog-key handling arrives as IDOK without a control; in the edit box it would
  // otherwise do nothing. On a focused button it presses that button, as everywhere.
  if (message != WM_COMMAND || lParam != 0 || LOWORD(wParam) != IDOK || !ed_Text.Focused()) return false;
  bt_OKClick();
  *answer = 0;
  return true;
}

}  // namespace querent
