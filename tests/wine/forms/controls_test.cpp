// Controls: texts through the window, sizes that follow content, groups, limits, timers, and the
// transparent label's pixels.
#include <gtest/gtest.h>

#include "tests/wine/driver/driver.h"
#include "tests/wine/forms/test_support.h"

namespace {

class DemoFormTest : public ::testing::Test {
 protected:
  demo::TFDemo form{test::DemoFiles()};
  void SetUp() override { form.FireCreate(); }
};

TEST_F(DemoFormTest, LabelTextIsTheWindowTextAndAutoSizeFollowsIt) {
  EXPECT_EQ(L"Forms layer demo", driver::GetText(form.lb_Title.Handle()));
  const int longWidth = form.lb_Title.Width();
  driver::SetText(form.lb_Title.Handle(), L"Hi");  // as another process would
  EXPECT_EQ(L"Hi", form.lb_Title.Caption());
  EXPECT_LT(form.lb_Title.Width(), longWidth / 3);
  EXPECT_EQ(16, form.lb_Title.Left());
  // Word wrap without auto-size keeps the bounds whatever the text.
  form.lb_Info.SetCaption(std::wstring(5000, L'W'));
  EXPECT_EQ(200, form.lb_Info.Width());
  EXPECT_EQ(64, form.lb_Info.Height());
  // Right alignment keeps the right edge.
  forms::Label right(form, L"lb_Right", {100, 10, 50, 14}, L"abc");
  right.SetAlignment(forms::Alignment::kRight);
  right.SetCaption(L"abc");
  const int edge = right.Left() + right.Width();
  right.SetCaption(L"a much longer caption");
  EXPECT_EQ(edge, right.Left() + right.Width());
}

TEST_F(DemoFormTest, LabeledEditKeepsItsLabelOnTheLeft) {
  forms::Label& label = form.le_Code.EditLabel();
  EXPECT_EQ(L"Pairing code:", label.Caption());
  EXPECT_EQ(form.le_Code.Left() - forms::LabeledEdit::kLabelSpacing, label.Left() + label.Width());
  EXPECT_EQ(form.le_Code.Top() + (form.le_Code.Height() - label.Height()) / 2, label.Top());
  label.SetCaption(L"Keyboard pairing code:");
  EXPECT_EQ(form.le_Code.Left() - forms::LabeledEdit::kLabelSpacing, label.Left() + label.Width());
  form.le_Code.SetBounds(300, 260, 100, 21);
  EXPECT_EQ(300 - forms::LabeledEdit::kLabelSpacing, label.Left() + label.Width());
  EXPECT_TRUE(form.le_Code.ReadOnly());
  EXPECT_EQ(L"051234", form.le_Code.Text());
  EXPECT_EQ(nullptr, form.FindComponent(L"le_Code.EditLabel"));
}

TEST_F(DemoFormTest, EditCutsOverlongTextHoweverItArrives) {
  form.ed_Name.SetText(std::wstring(10000, L'a'));
  EXPECT_EQ(12u, form.ed_Name.Text().size());
  driver::SetText(form.ed_Name.Handle(), std::wstring(500, L'b'));
  EXPECT_EQ(std::wstring(12, L'b'), driver::GetText(form.ed_Name.Handle()));
  form.ed_Name.SetMaxLength(4);
  EXPECT_EQ(L"bbbb", form.ed_Name.Text());
  form.ed_Name.SetMaxLength(0);
  form.ed_Name.SetText(std::wstring(300, L'c'));
  EXPECT_EQ(300u, form.ed_Name.Text().size());
}

TEST_F(DemoFormTest, ImageSizesToItsPictureAndHandsItOut) {
  EXPECT_EQ(demo::kBackgroundWidth, form.im_Background.Width());
  EXPECT_EQ(demo::kBackgroundHeight, form.im_Background.Height());
  EXPECT_EQ(form.im_Background.Picture().Handle(),
            reinterpret_cast<HBITMAP>(SendMessageW(form.im_Background.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0)));
  EXPECT_EQ(demo::kBackgroundWidth, form.Width());  // FormCreate took the background's size
  // An image without a picture keeps its designed size; a failed load changes nothing.
  EXPECT_EQ(48, form.im_Extra.Width());
  SendMessageW(form.bt_LoadBad.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(L"corrupt=corrupt missing=missing", form.lb_Status.Caption());
  EXPECT_EQ(48, form.im_Extra.Width());
  EXPECT_TRUE(form.im_Extra.Picture().Empty());
  form.im_Extra.SetAutoSize(false);
  form.im_Extra.SetPicture(form.im_Background.Picture().Clone());
  EXPECT_EQ(48, form.im_Extra.Width());
}

TEST_F(DemoFormTest, ButtonsChecksRadiosAndCombo) {
  SendMessageW(form.bt_Click.Handle(), BM_CLICK, 0, 0);
  form.bt_Click.Click();
  EXPECT_EQ(L"Clicked 2", form.lb_Status.Caption());
  form.bt_Click.SetEnabled(false);
  form.bt_Click.Click();
  EXPECT_EQ(2, form.clicks);

  SendMessageW(form.ck_Option.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.ck_Option.Checked());
  SendMessageW(form.ck_Option.Handle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(form.ck_Option.Checked());

  SendMessageW(form.rb_Mouse.Handle(), BM_CLICK, 0, 0);
  SendMessageW(form.rb_Keyboard.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.rb_Keyboard.Checked());
  EXPECT_FALSE(form.rb_Mouse.Checked());  // one group, though created as separate windows
  form.rb_Mouse.SetChecked(true);
  EXPECT_FALSE(form.rb_Keyboard.Checked());

  EXPECT_EQ(3, form.cb_Language.Count());
  EXPECT_EQ(L"Fran\u00E7ais", form.cb_Language.Item(2));
  EXPECT_EQ(L"", form.cb_Language.Item(3));
  EXPECT_EQ(0, form.cb_Language.ItemIndex());
  form.cb_Language.SetItemIndex(-1);
  EXPECT_EQ(-1, form.cb_Language.ItemIndex());
  EXPECT_LT(form.cb_Language.Height(), 40);  // the closed control, not its list
}

TEST_F(DemoFormTest, TimerTicksWhileEnabledOnly) {
  form.Show();
  ASSERT_TRUE(test::PumpUntil([&] { return form.ticks >= 3; }));
  EXPECT_EQ(L"Ticks: " + std::to_wstring(form.ticks), form.pl_Status.Caption());
  form.tmr_Tick.SetEnabled(false);
  const int stopped = form.ticks;
  test::PumpUntil([] { return false; }, 300);
  EXPECT_EQ(stopped, form.ticks);
}

// The label paints the form's background under its text: compare against the known picture.
int PixelsDifferingFromBackground(const forms::Bitmap& shot, const forms::Bounds& at, int fromRow) {
  int differing = 0;
  for (int y = fromRow; y < shot.Height(); ++y) {
    for (int x = 0; x < shot.Width(); ++x) {
      differing += shot.Pixel(x, y) != demo::BackgroundPixel(at.left + x, at.top + y);
    }
  }
  return differing;
}

TEST_F(DemoFormTest, TransparentLabelComposesTheBackgroundUnderItsText) {
  forms::Label& info = form.lb_Info;
  forms::Bitmap shot(info.Width(), info.Height());
  auto paint = [&] {
    forms::Canvas canvas(shot);
    SendMessageW(info.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
  };
  paint();
  EXPECT_GT(PixelsDifferingFromBackground(shot, info.GetBounds(), 20), 50);  // wrapped lines of text
  info.SetCaption(L"Short.");
  paint();
  EXPECT_EQ(0, PixelsDifferingFromBackground(shot, info.GetBounds(), 20));
  EXPECT_GT(PixelsDifferingFromBackground(shot, info.GetBounds(), 0), 0);
  // Vertical centring moves the text down.
  info.SetLayout(forms::TextLayout::kCenter);
  paint();
  EXPECT_GT(PixelsDifferingFromBackground(shot, info.GetBounds(), 20), 0);
}

}  // namespace
