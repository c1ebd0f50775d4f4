// Applying a window's texts and layout to real controls of the forms layer.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/core/language.h"
#include "framework/win32/apply_form_texts.h"
#include "forms/forms.h"

namespace {

void WriteText(const std::wstring& path, const char* text) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(nullptr, file);
  std::fputs(text, file);
  std::fclose(file);
}

class TFDemo : public forms::Form {
 public:
  TFDemo() : Form(L"FDemo") {}
  forms::Label lb_Title{*this, L"lb_Title", {1, 1, 50, 15}};
  forms::Timer tmr_Tick{*this, L"tmr_Tick", 1000, false};  // windowless: takes nothing
  forms::Label lb_Plain{*this, L"lb_Plain", {1, 40, 50, 15}};
  forms::Button bt_Go{*this, L"bt_Go", {1, 60, 60, 25}, L"Go"};
};

class ApplyFormTextsTest : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"apply-form-texts\\";
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW((root_ + L"Texts").c_str(), nullptr);
    WriteText(root_ + L"Texts\\English.txt",
              "[Demo]\nlb_Title->Caption=A\\\\\\\\B\nbt_Go->Caption=Not a button text\nHint=Kept\n");
    DeleteFileW((root_ + L"UI.txt").c_str());
    form_.lb_Title.SetTransparent(false);
  }
  void TearDown() override { framework::FreeLanguage(); }

  framework::FormTextSource Source() const { return {L"Russian", L"Demo", L"", root_, root_, L"UI.txt"}; }

  std::wstring root_;
  TFDemo form_;
};

TEST_F(ApplyFormTextsTest, LabelsTakeCaptionFontColourAndPositionButtonsOnlyPosition) {
  WriteText(root_ + L"UI.txt",
            "[Russian]\nlb_Title->Position=rectwh,10,20,100,30\n"
            "[English]\nFontName=Verdana\nlb_Title->Font->Color=rgb,255,0,0\nbt_Go->Position=rectp,5,6,50,40\n");
  framework::ApplyFormTexts(form_, Source());

  EXPECT_EQ(L"A\nB", form_.lb_Title.Caption());
  EXPECT_TRUE(form_.lb_Title.Transparent());
  EXPECT_EQ(RGB(255, 0, 0), form_.lb_Title.GetFont().color);
  EXPECT_EQ(L"Verdana", form_.lb_Title.GetFont().name);
  const forms::Bounds title = form_.lb_Title.GetBounds();
  EXPECT_EQ(10, title.left);
  EXPECT_EQ(20, title.top);
  EXPECT_EQ(99, title.width);
  EXPECT_EQ(29, title.height);

  // A label without keys of its own still takes the layout's font; its colour stays.
  EXPECT_EQ(L"Verdana", form_.lb_Plain.GetFont().name);
  EXPECT_EQ(RGB(0, 0, 0), form_.lb_Plain.GetFont().color);

  EXPECT_EQ(L"Go", form_.bt_Go.Caption());
  EXPECT_EQ(L"Tahoma", form_.bt_Go.GetFont().name);
  const forms::Bounds go = form_.bt_Go.GetBounds();
  EXPECT_EQ(5, go.left);
  EXPECT_EQ(6, go.top);
  EXPECT_EQ(45, go.width);
  EXPECT_EQ(34, go.height);
}

TEST_F(ApplyFormTextsTest, WithoutLayoutFileOnlyCaptionsChange) {
  framework::ApplyFormTexts(form_, Source());
  EXPECT_EQ(L"A\nB", form_.lb_Title.Caption());
  EXPECT_EQ(L"Tahoma", form_.lb_Title.GetFont().name);
  EXPECT_EQ(1, form_.lb_Title.Left());
  EXPECT_EQ(60, form_.bt_Go.Top());
}

TEST_F(ApplyFormTextsTest, TextsStayLoadedForTheModuleUntilFreed) {
  framework::ApplyFormTexts(form_, Source());
  EXPECT_EQ(L"Kept", framework::GetText(L"Demo", L"Hint"));
  framework::FreeLanguage();
  EXPECT_EQ(L"", framework::GetText(L"Demo", L"Hint"));
}

}  // namespace
