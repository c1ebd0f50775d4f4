#include "pairtool/app/pair_form.h"

#include "pairtool/app/resources.h"
#include "receiver/softcpu.h"
#include "skin/core/skin_names.h"
#include "skin/core/slot_table.h"
#include "skin/win32/shape_window.h"
#include "userfiles/win32/win32_user_files.h"

namespace {

// The window is dark: light text, and yellow for what the user must act on or watch.
const COLORREF kTextColor = RGB(0xF2, 0xF5, 0xF8);
const COLORREF kAttentionColor = RGB(0xFF, 0xD5, 0x1F);

forms::FirstActivation g_firstActivation;

forms::Font TahomaFont(int height, bool bold, COLORREF color) {
  forms::Font font;
  font.name = L"Tahoma";
  font.height = height;
  font.bold = bold;
  font.color = color;
  return font;
}

}  // namespace

TPairForm::TPairForm(TSoftCpu& cpu, const std::wstring& programFolder, uint16_t languageId)
    : Form(L"PairForm"),
      texts_(programFolder, languageId),
      journal_(userfiles::Win32FileOps(), userfiles::UserFolder(L"Vantrel")),
      run_(cpu, [this](const std::wstring& key) { return texts_.Translate(key); }, *this,
           journal_) {
  SetUpComponents();

  bt_Close.SetCaption(L"");
  im_BackgroundImage.SetBounds(0, 0, im_BackgroundImage.Width(), im_BackgroundImage.Height());
  const std::wstring dataFolder = programFolder + L"data\\";
  const std::wstring languageName = framework::PairToolLanguageFile(languageId);
  skin_ = std::make_unique<skin::Lustrea>(Handle(), skin::PairToolPlan(dataFolder, languageName));
  // bt_Pair and bt_Close show their meaning only in their bitmaps: the skin names them from here.
  skin_->SetNameFiles(skin::PairToolNameFiles(dataFolder, languageName));

  lb_Title.SetCaption(texts_.Translate(L"PAIR_Title"));
  lb_Step1.SetCaption(texts_.Translate(L"PAIR_Step1"));
  lb_Step2.SetCaption(texts_.Translate(L"PAIR_Step2"));
  lb_Step3.SetCaption(texts_.Translate(L"PAIR_Step3"));
  lb_Step31.SetCaption(texts_.Translate(L"PAIR_Step31"));
  le_MouseID.EditLabel().SetCaption(texts_.Translate(L"PAIR_DisplayMouseID"));
  le_KeybdID.EditLabel().SetCaption(texts_.Translate(L"PAIR_DisplayKeybdID"));
}

void TPairForm::SetUpComponents() {
  forms::Bitmap background;
  if (LoadBackgroundBitmap(&background)) im_BackgroundImage.SetPicture(std::move(background));

  // Fixed-size, word-wrapped labels: switched off auto-size before the font can resize them.
  for (forms::Label* label : {&lb_Title, &lb_Step1, &lb_Step2, &lb_Step3, &lb_Step31}) {
    label->SetAutoSize(false);
    label->SetWordWrap(true);
  }
  lb_Title.SetFont(TahomaFont(13, true, kTextColor));
  for (forms::Label* label : {&Label2, &Label3, &Label4, &lb_Step1, &lb_Step2, &lb_Step31})
    label->SetFont(TahomaFont(12, false, kTextColor));
  lb_Step3.SetFont(TahomaFont(12, true, kAttentionColor));
  // One line that grows to the right with its text, so no result text is ever cut.
  lb_Message.SetFont(TahomaFont(21, false, kAttentionColor));
  for (forms::LabeledEdit* edit : {&le_MouseID, &le_KeybdID}) {
    edit->EditLabel().SetFont(TahomaFont(12, false, kTextColor));
    SendMessageW(edit->Handle(), EM_SETREADONLY, TRUE, 0);
    edit->SetFont(TahomaFont(14, true, RGB(0x10, 0x20, 0x30)));
  }
  bt_Close.SetTag(22003);
  bt_Pair.SetTag(22018);

  im_BackgroundImage.OnMouseDown = [this](forms::MouseButton b, int, int) { im_BackgroundImageMouseDown(b); };
  lb_Title.OnMouseDown = im_BackgroundImage.OnMouseDown;
  bt_Pair.OnClick = [this] { bt_PairClick(); };
  bt_Close.OnClick = [this] { bt_CloseClick(); };
  tmr_Pair.OnTimer = [this] { tmr_PairTimer(); };
  OnCreate = [this] { FormCreate(); };
  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this] { FormClose(); };
}

void TPairForm::FormCreate() {
  SetSize(im_BackgroundImage.Width(), im_BackgroundImage.Height());
  CenterOnScreen();
  bt_Close.SetTop(8);
  skin_->Active();
}

void TPairForm::FormActivate() {
  if (g_firstActivation.Take()) skin::ShapeWindowFromImage(Handle(), im_BackgroundImage.Handle());
}

void TPairForm::FormShow() {
  bt_Pair.SetFocus();
  lb_Message.SetCaption(L"");
}

void TPairForm::FormClose() { tmr_Pair.SetEnabled(false); }

void TPairForm::im_BackgroundImageMouseDown(forms::MouseButton button) {
  if (button == forms::MouseButton::kLeft) forms::DragWindow(Handle());
}

void TPairForm::bt_PairClick() { run_.PressPair(); }
void TPairForm::bt_CloseClick() { Close(); }
void TPairForm::tmr_PairTimer() { run_.Tick(); }

void TPairForm::ShowMessage(const std::wstring& text) { lb_Message.SetCaption(text); }
void TPairForm::ShowMouseId(const std::wstring& text) { le_MouseID.SetText(text); }
void TPairForm::ShowKeyboardId(const std::wstring& text) { le_KeybdID.SetText(text); }
void TPairForm::SetTimerEnabled(bool enabled) { tmr_Pair.SetEnabled(enabled); }
void TPairForm::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }
