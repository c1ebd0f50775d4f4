#include "tests/wine/forms/demo_form.h"

#include <stdexcept>

namespace demo {

TFConfirm::TFConfirm() : Form(L"FormsDemoConfirm") {
  SetSize(260, 120);
  SetColor(RGB(250, 250, 240));
  bt_Yes.SetModalResult(forms::modal::kYes);
  bt_No.SetModalResult(forms::modal::kNo);
}

TFDemo::TFDemo(const DemoFiles& files) : Form(L"FormsDemo"), files_(files) {
  SetColor(RGB(40, 60, 90));
  lb_Title.SetFont({L"Tahoma", 13, true, RGB(0, 0, 0)});
  lb_Title.OnMouseDown = forms::DragHandler(*this);
  im_Background.OnMouseDown = forms::DragHandler(*this);
  lb_Info.SetAutoSize(false);
  lb_Info.SetWordWrap(true);
  lb_Info.SetFontColor(RGB(0, 0, 96));
  lb_Status.SetAutoSize(false);
  bt_Click.SetTag(22004);
  bt_Modal.SetTag(22018);
  ck_Option.SetTag(5);
  ck_Option.SetFontColor(RGB(255, 255, 255));
  rb_Mouse.SetFontColor(RGB(255, 255, 255));
  rb_Keyboard.SetFontColor(RGB(255, 255, 255));
  rb_Mouse.SetTag(22012);
  rb_Keyboard.SetTag(22012);
  cb_Language.SetTag(6);
  for (const wchar_t* language : {L"English", L"Deutsch", L"Fran\u00E7ais"}) cb_Language.AddItem(language);
  cb_Language.SetItemIndex(0);
  ed_Name.SetMaxLength(12);
  le_Code.SetReadOnly(true);
  le_Code.SetText(L"051234");
  pl_Status.SetColor(RGB(255, 255, 200));

  OnCreate = [this] { FormCreate(); };
  bt_Click.OnClick = [this] { lb_Status.SetCaption(L"Clicked " + std::to_wstring(++clicks)); };
  bt_Modal.OnClick = [this] { bt_ModalClick(); };
  bt_Throw.OnClick = [] { throw std::runtime_error("Demo failure: the handler threw"); };
  bt_LoadBad.OnClick = [this] { bt_LoadBadClick(); };
  bt_Quit.OnClick = [this] {
    forms::Application::SetExitCode(kQuitExitCode);
    Close();
  };
  tmr_Tick.OnTimer = [this] { pl_Status.SetCaption(L"Ticks: " + std::to_wstring(++ticks)); };
}

void TFDemo::FormCreate() {
  const forms::LoadResult loaded = im_Background.LoadFromFile(files_.background);
  if (loaded != forms::LoadResult::kOk) {
    lb_Status.SetCaption(std::wstring(L"Background: ") + forms::LoadResultText(loaded));
  }
  SetSize(im_Background.Width(), im_Background.Height());
  CenterOnScreen();
  bt_Click.SetFocus();
}

void TFDemo::bt_ModalClick() {
  TFConfirm confirm;
  confirm.FireCreate();
  confirm.CenterOnScreen();
  const int result = confirm.ShowModal();
  lb_Status.SetCaption(L"Modal result " + std::to_wstring(result));
}

void TFDemo::bt_LoadBadClick() {
  const forms::LoadResult corrupt = im_Extra.LoadFromFile(files_.corrupt);
  const forms::LoadResult missing = im_Extra.LoadFromFile(files_.missing);
  lb_Status.SetCaption(std::wstring(L"corrupt=") + forms::LoadResultText(corrupt) + L" missing=" +
                       forms::LoadResultText(missing));
}

}  // namespace demo
