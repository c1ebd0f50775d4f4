// Forms: the component contract (order, properties, z-order), geometry, events, closing, modality,
// a replaced window procedure and dragging.
#include <gtest/gtest.h>

#include <vector>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/gdi_count.h"
#include "tests/wine/driver/teardown_watch.h"
#include "tests/wine/forms/test_support.h"

namespace {

std::vector<std::wstring> ChildNames(HWND form) {
  std::vector<std::wstring> names;
  for (HWND child : driver::Children(form)) names.push_back(forms::ComponentName(child));
  return names;
}

TEST(FormComponents, ListedInCreationOrderWithTheirProperties) {
  demo::TFDemo form(test::DemoFiles());
  std::vector<std::wstring> names, classes;
  for (forms::Component* c : form.Components()) {
    names.push_back(c->Name());
    classes.push_back(c->ClassName());
  }
  const std::vector<std::wstring> expectedNames = {
      L"im_Background", L"lb_Title",    L"lb_Info",     L"lb_Status", L"bt_Click",   L"bt_Modal",
      L"bt_Throw",      L"bt_LoadBad",  L"ck_Option",   L"rb_Mouse",  L"rb_Keyboard", L"cb_Language",
      L"ed_Name",       L"le_Code",     L"pl_Status",   L"im_Extra",  L"bt_Quit",    L"tmr_Tick"};
  EXPECT_EQ(expectedNames, names);
  const std::vector<std::wstring> expectedClasses = {
      L"TImage",  L"TLabel",   L"TLabel",       L"TLabel", L"TButton", L"TButton",
      L"TButton", L"TButton",  L"TCheckBox",    L"TRadioButton", L"TRadioButton", L"TComboBox",
      L"TEdit",   L"TLabeledEdit", L"TPanel",   L"TImage", L"TButton", L"TTimer"};
  EXPECT_EQ(expectedClasses, classes);

  // The window properties say the same, and the Tag.
  for (forms::Component* c : form.Components()) {
    auto* control = dynamic_cast<forms::Control*>(c);
    if (control == nullptr) continue;
    EXPECT_EQ(c->Name(), forms::ComponentName(control->Handle()));
    EXPECT_EQ(c->ClassName(), forms::ComponentClass(control->Handle()));
    EXPECT_EQ(c->Tag(), forms::ComponentTag(control->Handle()));
  }
  EXPECT_EQ(22004, forms::ComponentTag(form.bt_Click.Handle()));
  EXPECT_EQ(L"TForm", forms::ComponentClass(form.Handle()));
  EXPECT_EQ(L"FormsDemo", forms::ComponentName(form.Handle()));
  EXPECT_EQ(form.Color(), static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(form.Handle(), L"Color"))));
  form.SetColor(RGB(1, 2, 3));
  EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropW(form.Handle(), L"Color"))));
  EXPECT_EQ(L"TLabel", forms::ComponentClass(form.le_Code.EditLabel().Handle()));
  EXPECT_EQ(L"le_Code.EditLabel", forms::ComponentName(form.le_Code.EditLabel().Handle()));
}

TEST(FormComponents, ImagesLieBelowEveryOtherControlLaterImagesAbove) {
  demo::TFDemo form(test::DemoFiles());
  const std::vector<std::wstring> expected = {
      L"lb_Title",  L"lb_Info",  L"lb_Status",   L"bt_Click",    L"bt_Modal", L"bt_Throw",
      L"bt_LoadBad", L"ck_Option", L"rb_Mouse",  L"rb_Keyboard", L"cb_Language", L"ed_Name",
      L"le_Code",   L"le_Code.EditLabel", L"pl_Status", L"bt_Quit", L"im_Extra", L"im_Background"};
  EXPECT_EQ(expected, ChildNames(form.Handle()));

  // Components added later follow the same rule.
  forms::Label late(form, L"lb_Late");
  forms::Image lateImage(form, L"im_Late");
  std::vector<std::wstring> names = ChildNames(form.Handle());
  ASSERT_EQ(20u, names.size());
  EXPECT_EQ(L"lb_Late", names[16]);
  EXPECT_EQ(L"im_Late", names[17]);
  EXPECT_EQ(L"im_Background", names[19]);
}

TEST(FormComponents, RenamingUpdatesThePropertyAndDestroyingReleasesIt) {
  HWND button;
  {
    demo::TFDemo form(test::DemoFiles());
    button = form.bt_Click.Handle();
    EXPECT_TRUE(form.bt_Click.SetName(L"bt_Click_Mouse1"));
    EXPECT_EQ(L"bt_Click_Mouse1", forms::ComponentName(button));
    EXPECT_EQ(&form.bt_Click, form.FindComponent(L"bt_Click_Mouse1"));
    EXPECT_FALSE(form.bt_Click.SetName(std::wstring(300, L'x')));
    EXPECT_EQ(L"bt_Click_Mouse1", form.bt_Click.Name());
    EXPECT_TRUE(form.le_Code.SetName(L"le_Code_Keyboard"));
    EXPECT_EQ(L"le_Code_Keyboard.EditLabel", forms::ComponentName(form.le_Code.EditLabel().Handle()));
    ASSERT_NE(0, GlobalFindAtomW(L"bt_Click_Mouse1"));
  }
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(0, GlobalFindAtomW(L"bt_Click_Mouse1"));  // atoms go with the windows
  EXPECT_EQ(0, GlobalFindAtomW(L"le_Code_Keyboard.EditLabel"));
}

TEST(FormGeometry, BorderlessPopupCaptionedWithItsNameAndCentredTruncatingTowardZero) {
  forms::Form form(L"FGeometry");
  EXPECT_EQ(L"FGeometry", form.Caption());
  const LONG_PTR style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_EQ(0, style & (WS_CAPTION | WS_THICKFRAME));
  form.SetSize(301, 151);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(301, client.right);  // no frame: the client area is the whole window
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  form.CenterOnScreen();
  EXPECT_EQ((screenWidth - 301) / 2, form.Left());
  EXPECT_EQ((screenHeight - 151) / 2, form.Top());
  form.SetSize(screenWidth + 1001, 151);  // odd negative difference: -500.5 must become -500
  form.CenterOnScreen();
  EXPECT_EQ(-500, form.Left());

  EXPECT_EQ(static_cast<DWORD>(WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
            forms::Form::ToolWindowStyle(WS_EX_APPWINDOW | WS_EX_TOPMOST));
  form.SetExStyle(forms::Form::ToolWindowStyle(form.ExStyle()));
  EXPECT_TRUE(form.ExStyle() & WS_EX_TOOLWINDOW);
  form.SetCaption(L"Another caption");
  EXPECT_EQ(L"Another caption", driver::GetText(form.Handle()));
}

TEST(FormEvents, CreateRunsOnceShowBeforeVisibleAndCloseQueryCanRefuse) {
  forms::Form form(L"FEvents");
  int created = 0, closed = 0, activated = 0;
  bool visibleInOnShow = true, allowClose = false;
  form.OnCreate = [&] { ++created; };
  form.OnActivate = [&] { ++activated; };
  form.OnShow = [&] { visibleInOnShow = form.Visible(); };
  form.OnCloseQuery = [&] { return allowClose; };
  form.OnClose = [&] { ++closed; };
  form.FireCreate();
  form.FireCreate();
  EXPECT_EQ(1, created);
  form.Show();
  EXPECT_FALSE(visibleInOnShow);
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(test::PumpUntil([&] { return activated > 0; }));
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(0, closed);
  allowClose = true;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(1, closed);
}

TEST(FormModal, DisablesTheOtherWindowsAndReturnsTheModalResult) {
  forms::Form owner(L"FOwner");
  owner.Show();
  demo::TFConfirm dialog;
  bool ownerDisabledInside = false;
  int refusals = 1;
  dialog.OnCloseQuery = [&] { return refusals-- <= 0; };  // the first attempt is refused
  forms::Timer act(dialog, L"tmr_Act", 30);
  act.OnTimer = [&] {
    ownerDisabledInside = !IsWindowEnabled(owner.Handle());
    dialog.bt_No.Click();
  };
  EXPECT_EQ(forms::modal::kNo, dialog.ShowModal());
  EXPECT_TRUE(ownerDisabledInside);
  EXPECT_EQ(-1, refusals);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(dialog.Visible());

  // Closing a modal form without a result gives kCancel; an owner disabled before stays disabled.
  EnableWindow(owner.Handle(), FALSE);
  act.OnTimer = [&] { dialog.Close(); };
  EXPECT_EQ(forms::modal::kCancel, dialog.ShowModal());
  EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
}

// Replaces a form's window procedure the way the suite's forms do.
struct Replacement {
  static inline WNDPROC previous = nullptr;
  static inline UINT registered = RegisterWindowMessageW(L"FormsTestMessage");
  static inline WPARAM lastSysCommand = 0;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == registered) return forms::Form::FromHandle(hwnd) != nullptr ? 42 : 1;
    if (message == WM_SYSCOMMAND) {
      lastSysCommand = wParam;  // swallowed: no move loop in a test
      return 0;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
  }
};

TEST(FormWindowProc, AReplacedProcedureSeesItsMessagesAndForwardsTheRest) {
  auto form = std::make_unique<demo::TFDemo>(test::DemoFiles());
  Replacement::previous = form->ReplaceWindowProc(&Replacement::Proc);
  EXPECT_EQ(42, SendMessageW(form->Handle(), Replacement::registered, 0, 0));
  SendMessageW(form->bt_Click.Handle(), BM_CLICK, 0, 0);  // WM_COMMAND passes the replacement
  EXPECT_EQ(L"Clicked 1", form->lb_Status.Caption());
  form->Show();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->Visible());
  form.reset();  // destroyed with the replacement still installed
}

// A module above the form holds a GDI object for it and frees it when it sees the window go, as the
// skin library does with its bitmaps.
struct SkinLikeHook {
  static inline WNDPROC previous = nullptr;
  static inline HBRUSH held = nullptr;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && held != nullptr) {
      DeleteObject(held);
      held = nullptr;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
  }
};

void BuildAndTearDown(bool* controlsStood, HWND* window) {
  auto form = forms::MakeForm<demo::TFDemo>(test::DemoFiles());
  Replacement::previous = form->ReplaceWindowProc(&Replacement::Proc);  // the form's own replacement
  SkinLikeHook::held = CreateSolidBrush(RGB(1, 2, 3));
  SkinLikeHook::previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinLikeHook::Proc)));
  driver::WatchTeardown(form->Handle());
  *window = form->Handle();
  demo::TFDemo& whole = *form;
  form->OnMessage = [&whole, controlsStood](UINT message, WPARAM, LPARAM, LRESULT*) {
    // The host's window procedure asks its members here; they must all still be there.
    if (message == WM_DESTROY) *controlsStood = IsWindow(whole.bt_Click.Handle()) && whole.Components().size() == 18;
    return false;
  };
  form->DestroyHandle();
  EXPECT_EQ(nullptr, form->Handle());
  EXPECT_EQ(nullptr, form->bt_Click.Handle());
  form->DestroyHandle();  // once: a second call finds nothing to do
}

TEST(FormTeardown, TheWindowGoesWithTheWholeFormAndEveryHookAboveItSeesIt) {
  bool stood = false;
  HWND window = nullptr;
  BuildAndTearDown(&stood, &window);  // warm-up
  const driver::GdiCounts before = driver::CountGdiObjects();
  const int windows = driver::CountProcessWindows();
  stood = false;
  BuildAndTearDown(&stood, &window);
  EXPECT_TRUE(stood) << "a message of the teardown reached a half-destroyed form";
  EXPECT_TRUE(driver::SawTeardown(window));
  EXPECT_EQ(nullptr, SkinLikeHook::held) << "the hook above the form never saw WM_NCDESTROY";
  EXPECT_EQ(before.total, driver::CountGdiObjects().total);
  EXPECT_EQ(windows, driver::CountProcessWindows());
}

// A control hooked the way the skin hooks it: SetWindowLongPtrW on top of the layer's subclass.
struct ControlHook {
  static inline WNDPROC previous = nullptr;
  static inline int clicksSeen = 0;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(previous, hwnd, message, wParam, lParam);
    if (message == BM_CLICK) ++clicksSeen;
    return result;
  }
};

TEST(FormWindowProc, AControlHookedOnTopKeepsItsEventsAndCanBeUnhooked) {
  demo::TFDemo form(test::DemoFiles());
  HWND button = form.bt_Click.Handle();
  ControlHook::previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlHook::Proc)));
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(1, ControlHook::clicksSeen);
  EXPECT_EQ(L"Clicked 1", form.lb_Status.Caption());
  EXPECT_EQ(&form.bt_Click, forms::Control::FromHandle(button));
  SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlHook::previous));
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(1, ControlHook::clicksSeen);
  EXPECT_EQ(L"Clicked 2", form.lb_Status.Caption());
}

TEST(FormWindowProc, LeftPressOnLabelImageOrFormDragsTheForm) {
  demo::TFDemo form(test::DemoFiles());
  form.OnMouseDown = forms::DragHandler(form);
  Replacement::previous = form.ReplaceWindowProc(&Replacement::Proc);
  for (HWND target : {form.lb_Title.Handle(), form.im_Background.Handle(), form.Handle()}) {
    Replacement::lastSysCommand = 0;
    SendMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_EQ(0u, Replacement::lastSysCommand);
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    EXPECT_EQ(forms::kMoveByCaption, Replacement::lastSysCommand);
  }
}

}  // namespace
