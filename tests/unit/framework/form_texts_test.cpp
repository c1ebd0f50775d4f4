#include "framework/core/form_texts.h"

#include <gtest/gtest.h>

#include "framework_test_data.h"

using framework::Bounds;
using framework::ComponentTextPlan;
using framework::FormTextPlan;
using framework::FormTextRequest;

namespace {

class FormTextsTest : public ::testing::Test {
 protected:
  FormTextPlan Plan(const std::wstring& language, const std::wstring& layoutFile = L"UI_Main.txt") {
    FormTextRequest request;
    request.languageName = language;
    request.section = L"CorvilMain";
    request.formsRoot = FrameworkTestData(L"forms/");
    request.windowFolder = FrameworkTestData(L"forms/CorvilMaintain/");
    request.layoutFileName = layoutFile;
    request.windowFontName = L"MS Sans Serif";
    request.components = {{L"lb_Title", L"TLabel"},       {L"lb_TwoLines", L"TLabel"},
                          {L"bt_OK", L"TButton"},         {L"im_Logo", L"TImage"},
                          {L"pl_Panel", L"TPanel"},       {L"lb_BadNumbers", L"TLabel"},
                          {L"lb_UnknownKinds", L"TLabel"}, {L"ed_NoLayout", L"TEdit"},
                          {L"lb_Inverted", L"TLabel"}};
    FormTextPlan plan = framework::PlanFormTexts(request, texts_);
    EXPECT_EQ(request.components.size(), plan.components.size());
    return plan;
  }

  static const ComponentTextPlan& Item(const FormTextPlan& plan, const std::wstring& name) {
    for (const auto& item : plan.components) {
      if (item.name == name) return item;
    }
    throw std::runtime_error("component not in plan");
  }

  framework::LanguageTexts texts_;
};

}  // namespace

TEST_F(FormTextsTest, LabelTakesCaptionColourFontAndPosition) {
  const FormTextPlan plan = Plan(L"ChineseT");
  const ComponentTextPlan& title = Item(plan, L"lb_Title");
  EXPECT_TRUE(title.makeTransparent);
  EXPECT_EQ(L"配對您的裝置", title.caption);
  EXPECT_EQ(0x0000FFu, title.fontColor);              // [ChineseT] before [English]
  EXPECT_EQ(L"PMingLiU", title.fontName);
  EXPECT_EQ((Bounds{10, 20, 99, 29}), title.bounds);  // rectwh,10,20,100,30 from [English]
  EXPECT_EQ(L"第一行\n第二行", Item(plan, L"lb_TwoLines").caption);
}

TEST_F(FormTextsTest, MissingLanguageFileStillTriesLanguageLayoutSectionFirst) {
  const FormTextPlan plan = Plan(L"Russian");
  const ComponentTextPlan& title = Item(plan, L"lb_Title");
  EXPECT_EQ(L"Pair your devices", title.caption);      // Texts\English.txt
  EXPECT_EQ((Bounds{100, 200, 50, 60}), title.bounds);  // [Russian] position
  EXPECT_EQ(0xFF0000u, title.fontColor);               // [English] colour
  EXPECT_EQ(L"MS Sans Serif", title.fontName);         // empty FontName in [Russian]: not Tahoma
  EXPECT_EQ(L"A\nB", Item(plan, L"lb_TwoLines").caption);
}

TEST_F(FormTextsTest, EnglishLayoutSectionIsTheFallback) {
  const FormTextPlan plan = Plan(L"German");
  EXPECT_EQ(L"Tahoma", plan.labelFontName);
  EXPECT_EQ(L"Geräte koppeln", Item(plan, L"lb_Title").caption);
  EXPECT_EQ(L"", Item(plan, L"lb_BadNumbers").caption);  // in no language file
}

TEST_F(FormTextsTest, OtherControlsTakeOnlyPositions) {
  const FormTextPlan plan = Plan(L"English");
  const ComponentTextPlan& ok = Item(plan, L"bt_OK");
  EXPECT_FALSE(ok.makeTransparent);
  EXPECT_FALSE(ok.caption);
  EXPECT_FALSE(ok.fontName);
  EXPECT_EQ((Bounds{5, 6, 50, 20}), ok.bounds);
  EXPECT_EQ((Bounds{0, 0, 63, 63}), Item(plan, L"im_Logo").bounds);
  EXPECT_FALSE(Item(plan, L"ed_NoLayout").bounds);  // no key: unchanged

  const ComponentTextPlan& panel = Item(plan, L"pl_Panel");  // unknown class: untouched
  EXPECT_FALSE(panel.bounds || panel.caption || panel.fontColor || panel.fontName);
}

TEST_F(FormTextsTest, BadValuesLeaveTheControlAndUnknownKindsReset) {
  const FormTextPlan plan = Plan(L"English");
  const ComponentTextPlan& bad = Item(plan, L"lb_BadNumbers");
  EXPECT_FALSE(bad.fontColor);
  EXPECT_FALSE(bad.bounds);
  const ComponentTextPlan& unknown = Item(plan, L"lb_UnknownKinds");
  EXPECT_EQ(0u, unknown.fontColor);
  EXPECT_EQ(Bounds{}, unknown.bounds);
  EXPECT_EQ((Bounds{50, 60, 0, 0}), Item(plan, L"lb_Inverted").bounds);  // right < left: no negative size
}

TEST_F(FormTextsTest, WithoutLayoutFileOnlyCaptionsChange) {
  const FormTextPlan plan = Plan(L"ChineseT", L"UI_Missing.txt");
  EXPECT_FALSE(plan.hasLayoutFile);
  const ComponentTextPlan& title = Item(plan, L"lb_Title");
  EXPECT_EQ(L"配對您的裝置", title.caption);
  EXPECT_FALSE(title.fontName || title.fontColor || title.bounds);
  EXPECT_FALSE(Item(plan, L"bt_OK").bounds);
}

TEST_F(FormTextsTest, LanguageStaysLoadedForLaterTexts) {
  Plan(L"ChineseT");
  EXPECT_EQ(L"找不到接收器", texts_.GetText(L"CorvilMain", L"NoDongleExists"));
}

TEST(CaptionLineBreaks, FourBackslashesMakeOneLineFeed) {
  using framework::ExpandCaptionLineBreaks;
  EXPECT_EQ(L"A\nB", ExpandCaptionLineBreaks(L"A\\\\\\\\B"));
  EXPECT_EQ(L"\n\n", ExpandCaptionLineBreaks(L"\\\\\\\\\\\\\\\\"));
  EXPECT_EQ(L"\n\\", ExpandCaptionLineBreaks(L"\\\\\\\\\\"));
  EXPECT_EQ(L"A\\\\\\B", ExpandCaptionLineBreaks(L"A\\\\\\B"));  // three stay as they are
}
