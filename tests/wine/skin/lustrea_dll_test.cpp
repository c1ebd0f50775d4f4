// Lustrea.dll as the host and the plug-ins use it: New_Lustrea with a form window, Active_Lustrea,
// and the skin's life bound to that window.
#include <gtest/gtest.h>

#include <vector>

#include "skin_test_support.h"

namespace skintest {
namespace {

class LustreaDllTest : public testing::Test {
 protected:
  void TearDown() override {
    for (HWND form : forms_) DestroyForm(form);
  }
  HWND NewForm(bool closeOnCommand = false) {
    forms_.push_back(CreateForm(360, 219, closeOnCommand));
    return forms_.back();
  }
  static void Skin(HWND form, DWORD language = 1033) {
    Dll().newLustrea(form, language);
    Dll().activeLustrea();
  }
  static HWND Button(HWND form, int tag, int x, int y, DWORD style = 0) {
    return AddControl(form, L"BUTTON", BS_PUSHBUTTON | style, L"TButton", L"bt_Test", L"OK", tag, x, y, 90, 30);
  }
  static HWND CheckBox(HWND form, DWORD style, int y) {
    return AddControl(form, L"BUTTON", style, L"TCheckBox", L"ck_Test", L"Enabled", 5, 20, y, 120, 17);
  }
  static HRGN RegionOf(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) == ERROR) {
      DeleteObject(region);
      return nullptr;
    }
    return region;
  }

  std::vector<HWND> forms_;
};

TEST_F(LustreaDllTest, PlainShapedButtonTakesItsCellSizeAndOutline) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  Skin(form);
  ShowAndSettle(form);

  EXPECT_EQ(WindowSize(ok).cx, 77);
  EXPECT_EQ(WindowSize(ok).cy, 26);
  EXPECT_EQ(ControlPixel(ok, 8, 13), kOkColours.cell[0]);
  HRGN region = RegionOf(ok);
  ASSERT_NE(region, nullptr);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // key-coloured rounded corner
  EXPECT_TRUE(PtInRegion(region, 2, 2));
  EXPECT_TRUE(PtInRegion(region, 0, 13));
  EXPECT_TRUE(PtInRegion(region, 76, 13));
  EXPECT_FALSE(PtInRegion(region, 77, 13));
  DeleteObject(region);
}

TEST_F(LustreaDllTest, HoverDrawsCellOneAndReshapesToItsOutline) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  Skin(form);
  ShowAndSettle(form);

  SendMessageW(ok, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(ControlPixel(ok, 12, 13), kOkColours.cell[1]);
  HRGN hovered = RegionOf(ok);
  ASSERT_NE(hovered, nullptr);
  EXPECT_FALSE(PtInRegion(hovered, 2, 2));  // cell 1 has the larger corner radius
  DeleteObject(hovered);

  SendMessageW(ok, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ControlPixel(ok, 12, 13), kOkColours.cell[0]);
  HRGN normal = RegionOf(ok);
  EXPECT_TRUE(PtInRegion(normal, 2, 2));
  DeleteObject(normal);
}

TEST_F(LustreaDllTest, DisabledButtonDrawsCellThreeWithoutResizing) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104, WS_DISABLED);
  Skin(form);
  ShowAndSettle(form);

  EXPECT_EQ(WindowSize(ok).cx, 90);
  EXPECT_EQ(WindowSize(ok).cy, 30);
  EXPECT_EQ(ControlPixel(ok, 8, 13), kOkColours.cell[3]);
  // The caption is drawn in 0x99A8AC.
  bool greyCaption = false;
  for (int x = 20; x < 60 && !greyCaption; ++x) {
    for (int y = 5; y < 22 && !greyCaption; ++y) greyCaption = ControlPixel(ok, x, y) == RGB(0xAC, 0xA8, 0x99);
  }
  EXPECT_TRUE(greyCaption);

  EnableWindow(ok, TRUE);
  Pump();
  EXPECT_EQ(WindowSize(ok).cx, 77);
  EXPECT_EQ(ControlPixel(ok, 8, 13), kOkColours.cell[0]);
}

TEST_F(LustreaDllTest, SecondActiveNeitherReloadsNorAttachesAgain) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  Dll().newLustrea(form, 1033);
  Dll().activeLustrea();
  ShowAndSettle(form);
  const LONG_PTR hooked = GetWindowLongPtrW(ok, GWLP_WNDPROC);

  // A reload would now pick up other colours.
  const std::wstring file = TestFolder().Path(L"English\\OK.bmp");
  ASSERT_TRUE(WriteBmp(file, 308, 26, RoundedCells(77, 26, kGermanOkColours)));
  Dll().activeLustrea();
  InvalidateRect(ok, nullptr, TRUE);
  UpdateWindow(ok);
  Pump();
  EXPECT_EQ(GetWindowLongPtrW(ok, GWLP_WNDPROC), hooked);
  EXPECT_EQ(ControlPixel(ok, 8, 13), kOkColours.cell[0]);
  ASSERT_TRUE(WriteBmp(file, 308, 26, RoundedCells(77, 26, kOkColours)));
}

TEST_F(LustreaDllTest, LanguageFolderFirstEnglishForTheRestUpperHalfIgnored) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  HWND check = CheckBox(form, BS_AUTOCHECKBOX, 20);
  Skin(form, 0xABCD0407);  // German
  ShowAndSettle(form);
  EXPECT_EQ(ControlPixel(ok, 8, 13), kGermanOkColours.cell[0]);
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[0]);  // only in English
}

TEST_F(LustreaDllTest, DestroyingTheFormRestoresEveryProcedureAndOnlyItsOwn) {
  HWND doomed = CreateForm(360, 219);
  std::vector<HWND> controls = {
      Button(doomed, 22001, 117, 104),
      CheckBox(doomed, BS_AUTOCHECKBOX, 20),
      AddControl(doomed, L"BUTTON", BS_AUTORADIOBUTTON, L"TRadioButton", L"rb_A", L"", 22012, 20, 50, 16, 16),
      AddControl(doomed, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_Dongle", L"", 6, 20, 80, 145, 200),
      AddControl(doomed, L"EDIT", 0, L"TEdit", L"ed_Name", L"", 0, 20, 120, 100, 20),
  };
  std::vector<LONG_PTR> original;
  for (HWND control : controls) original.push_back(GetWindowLongPtrW(control, GWLP_WNDPROC));
  HWND survivor = NewForm();
  HWND survivorButton = Button(survivor, 22001, 117, 104);
  const LONG_PTR survivorOriginal = GetWindowLongPtrW(survivorButton, GWLP_WNDPROC);
  Skin(survivor);
  Skin(doomed);
  ShowAndSettle(doomed);

  for (size_t i = 0; i + 1 < controls.size(); ++i) {
    EXPECT_NE(GetWindowLongPtrW(controls[i], GWLP_WNDPROC), original[i]) << i;
  }
  EXPECT_EQ(GetWindowLongPtrW(controls.back(), GWLP_WNDPROC), original.back());  // edits stay plain

  // Move the controls to a form that stays, so they outlive the form they were skinned on.
  HWND keeper = NewForm();
  for (HWND control : controls) SetParent(control, keeper);
  DestroyWindow(doomed);
  Pump();
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(GetWindowLongPtrW(controls[i], GWLP_WNDPROC), original[i]) << i;
  }
  EXPECT_NE(GetWindowLongPtrW(survivorButton, GWLP_WNDPROC), survivorOriginal);
  // Messages now reach the controls' own procedures only.
  SendMessageW(controls[0], WM_MOUSEMOVE, 0, 0);
  SendMessageW(controls[0], WM_PAINT, 0, 0);
}

TEST_F(LustreaDllTest, FormClosedByAClickInsideTheSkinnedButtonIsSurvived) {
  HWND form = NewForm(true);
  HWND ok = Button(form, 22001, 117, 104);
  Skin(form);
  ShowAndSettle(form);
  SendMessageW(ok, BM_CLICK, 0, 0);  // the form is destroyed while the button handles the click
  Pump();
  EXPECT_FALSE(IsWindow(form));
  EXPECT_FALSE(IsWindow(ok));
}

TEST_F(LustreaDllTest, CheckBoxCheckedUnderThePointerDrawsCellThreeAndItsCaptionBeside) {
  HWND form = NewForm();
  HWND check = CheckBox(form, BS_AUTOCHECKBOX, 20);
  Skin(form);
  ShowAndSettle(form);
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[0]);

  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(check, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[3]);
  // The caption starts at 64 / 3 + 5 = 26; between the box and there only the form colour.
  bool captionSeen = false;
  for (int y = 0; y < 17; ++y) {
    for (int x = 16; x < 26; ++x) EXPECT_EQ(ControlPixel(check, x, y), kFormColour) << x << "," << y;
    for (int x = 26; x < 80; ++x) captionSeen |= ControlPixel(check, x, y) != kFormColour;
  }
  EXPECT_TRUE(captionSeen);

  SendMessageW(check, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[2]);
}

TEST_F(LustreaDllTest, GrayedCheckBoxDrawsTheNotCheckedCell) {
  HWND form = NewForm();
  HWND check = CheckBox(form, BS_AUTO3STATE, 20);
  Skin(form);
  ShowAndSettle(form);
  SendMessageW(check, BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  InvalidateRect(check, nullptr, TRUE);
  UpdateWindow(check);
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[0]);
}

TEST_F(LustreaDllTest, RadioButtonLosingItsCheckIsRepaintedUnchecked) {
  HWND form = NewForm();
  HWND first = AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, L"TRadioButton", L"rb_A", L"", 22012, 20, 50, 16, 16);
  HWND second = AddControl(form, L"BUTTON", BS_AUTORADIOBUTTON, L"TRadioButton", L"rb_B", L"", 22012, 60, 50, 16, 16);
  Skin(form);
  ShowAndSettle(form);
  SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(ControlPixel(first, 8, 8), kRadioColours.cell[2]);

  SendMessageW(second, BM_CLICK, 0, 0);
  ASSERT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ControlPixel(first, 8, 8), kRadioColours.cell[0]);
  EXPECT_EQ(ControlPixel(second, 8, 8), kRadioColours.cell[2]);
}

TEST_F(LustreaDllTest, ComboBoxSquareCoversItsDropDownButton) {
  HWND form = NewForm();
  HWND combo = AddControl(form, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_Dongle", L"", 6, 20, 60, 145, 200);
  // The closed height follows the selection field's height.
  for (int attempt = 0; attempt < 4 && WindowSize(combo).cy != 21; ++attempt) {
    const LRESULT item = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + 21 - WindowSize(combo).cy);
  }
  ASSERT_EQ(WindowSize(combo).cx, 145);
  ASSERT_EQ(WindowSize(combo).cy, 21);
  Skin(form);
  ShowAndSettle(form);

  for (int y : {0, 10, 20}) {
    for (int x : {125, 134, 144}) EXPECT_EQ(ControlPixel(combo, x, y), kComboColours.cell[0]) << x << "," << y;
    EXPECT_NE(ControlPixel(combo, 124, y), kComboColours.cell[0]) << y;
  }
  EnableWindow(combo, FALSE);
  Pump();
  EXPECT_EQ(ControlPixel(combo, 134, 10), kComboColours.cell[3]);
}

// A damaged install must not cost a control: every button, check box and combo box whose skin slot
// gives nothing to draw stays at its design bounds, uncut, drawn by the system with its name.
TEST_F(LustreaDllTest, ControlsOnBrokenSlotsKeepTheirBoundsAndDrawThemselves) {
  HWND form = NewForm();
  const struct {
    const char* what;
    HWND button;
  } broken[] = {
      {"missing", Button(form, 22004, 10, 10)},      // Button.bmp does not exist
      {"truncated", Button(form, 22002, 10, 45)},    // Cancel.bmp: header without pixels
      {"not a bitmap", Button(form, 22013, 10, 80)},  // Web.bmp
      {"absurd header", Button(form, 22015, 10, 115)},  // Set.bmp: 100000 x 100000
      {"zero-size cell", Button(form, 22016, 10, 150)},  // Battery.bmp: 3 pixels wide
      {"beyond the slots", Button(form, 22099, 110, 10)},
      {"nine-grid of a zero cell", Button(form, 1016, 110, 45)},
      {"unknown fill digit", Button(form, 29001, 110, 80)},
  };
  HWND unnamed = AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_Retry", L"", 22002, 110, 115, 90, 30);
  HWND check = AddControl(form, L"BUTTON", BS_AUTOCHECKBOX, L"TCheckBox", L"ck_Broken", L"Remember", 2, 210, 10, 120, 17);
  HWND close = Button(form, 22003, 300, 150);  // after the broken slots: still skinned
  HWND combo = AddControl(form, L"COMBOBOX", CBS_DROPDOWNLIST, L"TComboBox", L"cb_X", L"", 45, 210, 60, 145, 200);
  Skin(form);
  ShowAndSettle(form);

  for (const auto& c : broken) {
    EXPECT_EQ(WindowSize(c.button).cx, 90) << c.what;
    EXPECT_EQ(WindowSize(c.button).cy, 30) << c.what;
    EXPECT_EQ(RegionOf(c.button), nullptr) << c.what;
    EXPECT_TRUE(IsWindowVisible(c.button)) << c.what;
  }
  // The system's button face (not black, not the form colour) with its caption.
  EXPECT_EQ(ControlPixel(broken[0].button, 45, 3), GetSysColor(COLOR_BTNFACE));
  // A control without a caption on a broken slot is drawn with its component name.
  wchar_t text[32] = L"";
  GetWindowTextW(unnamed, text, 32);
  EXPECT_STREQ(text, L"Retry");
  EXPECT_EQ(WindowSize(check).cx, 120);
  EXPECT_EQ(RegionOf(check), nullptr);
  EXPECT_NE(ControlPixel(check, 60, 8), kFormColour);  // the system's own caption and box, not a blank
  EXPECT_EQ(WindowSize(close).cx, 21);
  EXPECT_EQ(WindowSize(close).cy, 19);
  HRGN closeRegion = RegionOf(close);
  EXPECT_NE(closeRegion, nullptr);
  if (closeRegion) DeleteObject(closeRegion);
  const COLORREF square = ControlPixel(combo, WindowSize(combo).cx - 8, 5);
  for (COLORREF cell : kComboColours.cell) EXPECT_NE(square, cell);
  EXPECT_NE(square, RGB(0, 0, 0));  // the combo box's own drop-down button, not an unpainted square
}

TEST_F(LustreaDllTest, ButtonsWithoutCaptionGetTheNameTheirBitmapShowsAndKeepTheirLook) {
  HWND form = NewForm();
  HWND close = AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_WindowClose", L"", 22003, 300, 10, 21, 19);
  HWND ok = AddControl(form, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_OK", L"OK", 22001, 117, 104, 77, 26);
  Skin(form);
  ShowAndSettle(form);
  wchar_t text[32] = L"";
  GetWindowTextW(close, text, 32);
  EXPECT_STREQ(text, L"Close");
  GetWindowTextW(ok, text, 32);
  EXPECT_STREQ(text, L"OK");  // a caption of its own stays
  // The name is for screen readers: the close button still shows only its cell.
  for (int x : {5, 10, 15}) EXPECT_EQ(ControlPixel(close, x, 9), kCloseColours.cell[0]) << x;

  HWND german = NewForm();
  HWND germanClose = AddControl(german, L"BUTTON", BS_PUSHBUTTON, L"TButton", L"bt_Close", L"", 22003, 300, 10, 21, 19);
  Skin(german, 1031);
  GetWindowTextW(germanClose, text, 32);
  EXPECT_STREQ(text, L"Schlie\u00dfen");
}

// WM_UPDATEUISTATE to every control of the form, as the system's default handling of the form does
// (Wine's does not pass it on to child windows).
void SendUiState(HWND form, WORD action) {
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageW(child, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
  }
}

TEST_F(LustreaDllTest, FocusCueFollowsTheKeyboardUiStateInTheSkinsColours) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  HWND other = Button(form, 22001, 10, 10);
  Skin(form);
  ShowAndSettle(form);
  SetForegroundWindow(form);
  SetFocus(ok);
  // The ring runs 4 pixels inside a 77 x 26 button; its first dot is that corner.
  const int x = 4, y = 4;
  // What the system sends down from the form when the user works with the mouse, then the keyboard.
  SendUiState(form, UIS_SET);
  Pump();
  EXPECT_EQ(ControlPixel(ok, x, y), kOkColours.cell[0]) << "hidden while the mouse is used";
  SendUiState(form, UIS_CLEAR);
  Pump();
  EXPECT_EQ(ControlPixel(ok, x, y), COLORREF{0x00A9F2}) << "amber on the dark blue cell";
  EXPECT_EQ(ControlPixel(ok, x + 1, y), kOkColours.cell[0]) << "dotted";
  EXPECT_EQ(ControlPixel(other, x, y), kOkColours.cell[0]) << "only the focused button";
  SetFocus(other);
  Pump();
  EXPECT_EQ(ControlPixel(ok, x, y), kOkColours.cell[0]);
  EXPECT_EQ(ControlPixel(other, x, y), COLORREF{0x00A9F2});
}

TEST_F(LustreaDllTest, FocusedCheckBoxRingsItsCaptionAsTheSystemDoes) {
  HWND form = NewForm();
  HWND check = CheckBox(form, BS_AUTOCHECKBOX, 20);
  Skin(form);
  ShowAndSettle(form);
  SetForegroundWindow(form);
  SetFocus(check);
  SendUiState(form, UIS_CLEAR);
  Pump();
  // The caption starts at 64 / 3 + 5 = 26; the ring runs one pixel outside it, navy on the light form.
  const COLORREF navy = RGB(0x10, 0x26, 0x3F);
  int dots = 0;
  for (int y = 0; y < 17; ++y) dots += ControlPixel(check, 25, y) == navy;
  EXPECT_GE(dots, 3);
  EXPECT_EQ(ControlPixel(check, 8, 8), kCheckColours.cell[0]) << "the box itself is untouched";
  SetFocus(nullptr);
  Pump();
  for (int y = 0; y < 17; ++y) EXPECT_EQ(ControlPixel(check, 25, y), kFormColour) << y;
}

TEST_F(LustreaDllTest, ActiveAfterANewLustreaOnANonWindowDoesNothing) {
  HWND form = NewForm();
  HWND ok = Button(form, 22001, 117, 104);
  const LONG_PTR plain = GetWindowLongPtrW(ok, GWLP_WNDPROC);
  Dll().newLustrea(form, 1033);
  Dll().newLustrea(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x7FF0)), 1033);
  Dll().activeLustrea();
  EXPECT_EQ(GetWindowLongPtrW(ok, GWLP_WNDPROC), plain);
}

}  // namespace
}  // namespace skintest
