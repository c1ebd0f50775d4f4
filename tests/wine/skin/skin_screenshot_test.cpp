// A complete skinned, shaped form saved as PNG, to look at what the skin draws.
#include <gtest/gtest.h>

#include "skin/win32/shape_window.h"
#include "skin_test_support.h"

namespace skintest {
namespace {

TEST(Screenshot, SkinnedShapedForm) {
  HBITMAP background = MakeBitmap(360, 219, RoundedPanel(360, 219, 18, RGB(225, 232, 240)));
  HWND form = CreateForm(360, 219);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_OK", L"OK", 22001, 140, 175, 90, 30);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_WindowClose", L"", 22003, 325, 5, 21, 19);
  AddControl(form, L"BUTTON", BS_PUSHBUTTON | WS_DISABLED, L"TButton", L"bt_Off", L"Off", 22001, 250, 175, 90, 26);
  HWND check = AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_A", L"Mouse enabled", 5, 20, 45, 140, 17);
  AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_B", L"Keyboard enabled", 5, 20, 70, 140, 17);
  HWND radio = AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, L"TRadioButton", L"rb_A", L"", 22012, 200, 45, 16, 16);
  AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON, L"TRadioButton", L"rb_B", L"", 22012, 200, 70, 16, 16);
  HWND combo = AddControl(form, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_A", L"", 6, 20, 110, 145, 200);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Receiver 1"));
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
  AddControl(form, L"STATIC", 0, L"TLabel", L"lb_Title", L"Skinned form", 0, 14, 6, 200, 16);
  HWND image = AddImage(form, background, 0, 0);
  SetWindowPos(image, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowLongPtrW(image, GWL_STYLE, GetWindowLongPtrW(image, GWL_STYLE) | WS_CLIPSIBLINGS);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);

  Dll().newLustrea(form, 1033);
  Dll().activeLustrea();
  skin::ShapeWindowFromImage(form, image);
  ShowAndSettle(form);
  EXPECT_TRUE(Screenshot(form, OutputFolder() + L"skinned_form.png"));
  DestroyForm(form);
  DeleteObject(background);
}

}  // namespace
}  // namespace skintest
