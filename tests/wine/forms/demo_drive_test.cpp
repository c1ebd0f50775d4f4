// forms_demo.exe driven from this process, as the suite's end-to-end tests drive the real programs.
#include <gtest/gtest.h>

#include <memory>

#include "tests/wine/driver/driver.h"
#include "tests/wine/driver/process.h"
#include "tests/wine/driver/screenshot.h"
#include "tests/wine/forms/demo_art.h"
#include "tests/wine/forms/demo_form.h"

namespace {

class DemoRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = driver::ProgramFolder() + L"forms_drive_files\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    demo::WriteBackground(folder_ + L"background.bmp");
    demo::WriteBytes(folder_ + L"corrupt.bmp", demo::TruncatedBitmap());
  }

  void Start(const std::wstring& background = L"background.bmp") {
    const std::wstring args = L"\"" + folder_ + background + L"\" \"" + folder_ + L"corrupt.bmp\" \"" + folder_ +
                              L"missing.bmp\"";
    process_ = std::make_unique<driver::Process>(driver::ProgramFolder() + L"forms_demo.exe", args);
    ASSERT_TRUE(process_->Started());
    form_ = driver::FindTopWindowOfProcess(process_->Id(), L"FormsDemo");
    ASSERT_NE(nullptr, form_);
    ASSERT_TRUE(driver::WaitVisible(form_, true));
  }

  HWND Find(const wchar_t* name) {
    HWND found = driver::FindComponent(form_, name);
    EXPECT_NE(nullptr, found) << std::string(name, name + wcslen(name));
    return found;
  }

  DWORD ExitCode() {
    DWORD code = 0;
    EXPECT_TRUE(process_->WaitExit(10000, &code));
    return code;
  }

  static inline std::wstring folder_;
  std::unique_ptr<driver::Process> process_;
  HWND form_ = nullptr;
};

TEST_F(DemoRun, ComponentsAreFoundByNameWithClassAndTag) {
  Start();
  const struct {
    const wchar_t* name;
    const wchar_t* className;
    int tag;
    const wchar_t* windowClass;
  } expected[] = {
      {L"im_Background", L"TImage", 0, L"Static"},    {L"lb_Info", L"TLabel", 0, L"Static"},
      {L"bt_Click", L"TButton", 22004, L"Button"},    {L"ck_Option", L"TCheckBox", 5, L"Button"},
      {L"rb_Mouse", L"TRadioButton", 22012, L"Button"}, {L"cb_Language", L"TComboBox", 6, L"ComboBox"},
      {L"ed_Name", L"TEdit", 0, L"Edit"},             {L"le_Code", L"TLabeledEdit", 0, L"Edit"},
      {L"le_Code.EditLabel", L"TLabel", 0, L"Static"}, {L"pl_Status", L"TPanel", 0, L"Static"},
  };
  for (const auto& e : expected) {
    HWND window = Find(e.name);
    EXPECT_EQ(e.className, driver::ComponentClass(window));
    EXPECT_EQ(e.tag, driver::ComponentTag(window));
    EXPECT_EQ(0, lstrcmpiW(e.windowClass, driver::WindowClassName(window).c_str()));
  }
  EXPECT_EQ(L"TForm", driver::ComponentClass(form_));
  // Walking the children gives the component order, images last and the later image first.
  const std::vector<HWND> children = driver::Children(form_);
  ASSERT_GE(children.size(), 3u);
  EXPECT_EQ(L"lb_Title", driver::ComponentName(children.front()));
  EXPECT_EQ(L"im_Extra", driver::ComponentName(children[children.size() - 2]));
  EXPECT_EQ(L"im_Background", driver::ComponentName(children.back()));
}

TEST_F(DemoRun, TextsClicksChecksAndTimerWorkFromOutside) {
  Start();
  EXPECT_EQ(L"Forms layer demo", driver::GetText(Find(L"lb_Title")));
  EXPECT_EQ(demo::kLongInfo, driver::GetText(Find(L"lb_Info")));
  HWND status = Find(L"lb_Status");
  driver::Click(Find(L"bt_Click"));
  EXPECT_EQ(L"Clicked 1", driver::GetText(status));
  driver::Click(Find(L"bt_Click"), driver::Delivery::kPost);
  EXPECT_TRUE(driver::WaitText(status, L"Clicked 2"));

  HWND check = Find(L"ck_Option");
  driver::Click(check);
  EXPECT_TRUE(driver::IsChecked(check));
  HWND mouse = Find(L"rb_Mouse"), keyboard = Find(L"rb_Keyboard");
  driver::Click(mouse);
  driver::Click(keyboard);
  EXPECT_TRUE(driver::IsChecked(keyboard));
  EXPECT_FALSE(driver::IsChecked(mouse));

  driver::SetText(Find(L"ed_Name"), L"A name far longer than twelve");
  EXPECT_EQ(L"A name far l", driver::GetText(Find(L"ed_Name")));
  EXPECT_TRUE(driver::WaitUntil([&] {
    const std::wstring ticks = driver::GetText(Find(L"pl_Status"));
    return ticks.size() > 7 && std::stoi(ticks.substr(7)) >= 3;
  }));
}

TEST_F(DemoRun, TabMovesTheFocusThroughTheActiveForm) {
  Start();
  HWND first = Find(L"bt_Click");
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::FocusedWindow(form_) == first; }));
  PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(driver::WaitUntil([&] { return driver::FocusedWindow(form_) == Find(L"bt_Modal"); }));
}

TEST_F(DemoRun, EnterPressesTheFocusedButtonAndEscapeCloses) {
  Start();
  HWND button = Find(L"bt_Click");
  ASSERT_TRUE(driver::WaitUntil([&] { return driver::FocusedWindow(form_) == button; }));
  PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(driver::WaitText(Find(L"lb_Status"), L"Clicked 1"));
  PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(0u, ExitCode());
}

// Counts pixels of the label's area that differ from the background picture, from `fromRow` down.
int Differing(const driver::Capture& shot, HWND form, HWND label, int fromRow) {
  const RECT f = driver::WindowRect(form), l = driver::WindowRect(label);
  int differing = 0;
  for (int y = l.top + fromRow; y < l.bottom; ++y) {
    for (int x = l.left; x < l.right; ++x) {
      differing += shot.Pixel(x - f.left, y - f.top) != demo::BackgroundPixel(x - f.left, y - f.top);
    }
  }
  return differing;
}

TEST_F(DemoRun, ShortenedLabelLeavesNoPixelsOfTheLongCaption) {
  Start();
  HWND info = Find(L"lb_Info");
  driver::Capture shot;
  ASSERT_TRUE(driver::WaitUntil([&] {
    shot = driver::CaptureWindow(form_);
    return Differing(shot, form_, info, 20) > 50;  // the wrapped lines are on screen
  })) << Differing(shot, form_, info, 20);
  driver::WritePng(shot, driver::ProgramFolder() + L"forms_demo.png");

  driver::SetText(info, L"Short.");
  const bool clean = driver::WaitUntil([&] {
    shot = driver::CaptureWindow(form_);
    return Differing(shot, form_, info, 20) == 0;
  }, 3000);
  driver::WritePng(shot, driver::ProgramFolder() + L"forms_demo_short.png");
  EXPECT_TRUE(clean) << Differing(shot, form_, info, 20) << " pixels left below the first line";
  EXPECT_GT(Differing(shot, form_, info, 0), 0);  // the short text itself is drawn
}

TEST_F(DemoRun, ModalFormDisablesTheOwnerAndReturnsItsResult) {
  Start();
  HWND status = Find(L"lb_Status");
  driver::Click(Find(L"bt_Modal"), driver::Delivery::kPost);  // a sent click would wait for the dialog
  HWND dialog = driver::FindTopWindowOfProcess(process_->Id(), L"FormsDemoConfirm");
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(driver::WaitEnabled(form_, false));
  driver::Click(driver::FindComponent(dialog, L"bt_Yes"));
  EXPECT_TRUE(driver::WaitText(status, L"Modal result 6"));
  EXPECT_TRUE(driver::WaitEnabled(form_, true));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }));

  driver::Click(Find(L"bt_Modal"), driver::Delivery::kPost);
  dialog = driver::FindTopWindowOfProcess(process_->Id(), L"FormsDemoConfirm");
  ASSERT_NE(nullptr, dialog);
  driver::Close(dialog);
  EXPECT_TRUE(driver::WaitText(status, L"Modal result 2"));
}

TEST_F(DemoRun, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  Start();
  driver::Click(Find(L"bt_Throw"), driver::Delivery::kPost);
  HWND box = driver::FindTopWindowOfProcess(process_->Id(), L"forms_demo");
  ASSERT_NE(nullptr, box);
  bool textShown = false;
  for (HWND child : driver::Children(box)) textShown |= driver::GetText(child) == L"Demo failure: the handler threw";
  EXPECT_TRUE(textShown);
  driver::Click(GetDlgItem(box, IDOK), driver::Delivery::kPost);
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
  driver::Click(Find(L"bt_Click"));
  EXPECT_EQ(L"Clicked 1", driver::GetText(Find(L"lb_Status")));
  EXPECT_TRUE(process_->Running());
}

TEST_F(DemoRun, DamagedOrMissingBitmapsFailCleanly) {
  Start();
  driver::Click(Find(L"bt_LoadBad"));
  EXPECT_EQ(L"corrupt=corrupt missing=missing", driver::GetText(Find(L"lb_Status")));
  driver::Close(form_);
  EXPECT_EQ(0u, ExitCode());

  Start(L"missing_background.bmp");
  EXPECT_EQ(L"Background: missing", driver::GetText(Find(L"lb_Status")));
  EXPECT_TRUE(IsWindowVisible(form_));
}

TEST_F(DemoRun, QuitGivesTheFullExitCode) {
  Start();
  driver::Click(Find(L"bt_Quit"), driver::Delivery::kPost);
  EXPECT_EQ(static_cast<DWORD>(demo::kQuitExitCode), ExitCode());
}

}  // namespace
