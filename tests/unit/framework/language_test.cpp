#include "framework/core/language.h"

#include <gtest/gtest.h>

#include "framework/core/pairtool_texts.h"
#include "framework_test_data.h"

using framework::LanguageNameFor;
using framework::LanguageNameFromId;
using framework::LanguageTexts;

TEST(LanguageTable, MapsIdentifiersToNames) {
  EXPECT_EQ(L"English", LanguageNameFromId(1034));  // traditional-sort Spanish is not in the table
  EXPECT_EQ(L"Spanish", LanguageNameFromId(3082));
  EXPECT_EQ(L"Spanish", LanguageNameFromId(0x500A));
  EXPECT_EQ(L"ChineseT", LanguageNameFromId(4100));
  EXPECT_EQ(L"ChineseS", LanguageNameFromId(2052));
  EXPECT_EQ(L"German", LanguageNameFromId(5127));
  EXPECT_EQ(L"FrenchF", LanguageNameFromId(6156));
  EXPECT_EQ(L"PortugueseP", LanguageNameFromId(2070));
  EXPECT_EQ(L"Russian", LanguageNameFromId(1049));
  EXPECT_EQ(L"English", LanguageNameFromId(1033));
  EXPECT_EQ(L"English", LanguageNameFromId(0));
  EXPECT_EQ(L"English", LanguageNameFromId(0xFFFF));
}

TEST(LanguageTable, ZeroStandsForTheUserDefault) {
  EXPECT_EQ(L"ChineseS", LanguageNameFor(0, 0x0804));
  EXPECT_EQ(L"English", LanguageNameFor(0x040A, 0x0804));
  EXPECT_EQ(L"English", LanguageNameFor(0, 0));
}

TEST(PairToolLanguage, KnowsThreeLanguages) {
  EXPECT_EQ(L"ChineseT", framework::PairToolLanguageFile(0x0404));
  EXPECT_EQ(L"ChineseT", framework::PairToolLanguageFile(0x0C04));
  EXPECT_EQ(L"ChineseT", framework::PairToolLanguageFile(0x1004));
  EXPECT_EQ(L"ChineseS", framework::PairToolLanguageFile(0x0804));
  EXPECT_EQ(L"English", framework::PairToolLanguageFile(0x0407));  // German has no file here
}

TEST(PairToolLanguage, TranslateGivesEmptyTextWhenAnythingIsMissing) {
  const std::wstring folder = FrameworkTestData(L"pairtool/");
  const framework::PairToolTexts chineseT(folder, 0x1004);
  EXPECT_EQ(L"配對工具", chineseT.Translate(L"PAIR_Title"));
  EXPECT_EQ(L"", chineseT.Translate(L"PAIR_Fail"));  // no English fallback in the pairing tool
  EXPECT_EQ(L"seconds", framework::PairToolTexts(folder, 0x0409).Translate(L"PAIR_Second"));
  EXPECT_EQ(L"", framework::PairToolTexts(folder, 0x0804).Translate(L"PAIR_Title"));  // no file
  EXPECT_EQ(L"", framework::PairToolTexts(FrameworkTestData(L"nowhere"), 0).Translate(L"PAIR_Title"));
}

class LanguageTextsTest : public ::testing::Test {
 protected:
  const std::wstring formsRoot_ = FrameworkTestData(L"forms/");
  LanguageTexts texts_;
};

TEST_F(LanguageTextsTest, SelectedFileFirstThenEnglishKeyByKey) {
  texts_.LoadLanguage(L"ChineseT", formsRoot_);
  EXPECT_EQ(L"ChineseT", texts_.SelectedLanguage());
  EXPECT_EQ(L"找不到接收器", texts_.GetText(L"CorvilMain", L"NoDongleExists"));
  EXPECT_EQ(L"Only in English", texts_.GetText(L"CorvilMain", L"lb_OnlyEnglish->Caption"));
  EXPECT_EQ(L"", texts_.GetText(L"CorvilMain", L"lb_Nowhere->Caption"));
  EXPECT_EQ(L"", texts_.GetText(L"NoSuchSection", L"NoDongleExists"));
}

TEST_F(LanguageTextsTest, MissingLanguageFileFallsBackToEnglishAsAWhole) {
  texts_.LoadLanguage(L"Russian", formsRoot_);
  EXPECT_EQ(L"English", texts_.SelectedLanguage());
  EXPECT_EQ(L"Pair your devices", texts_.GetText(L"CorvilMain", L"lb_Title->Caption"));
}

TEST_F(LanguageTextsTest, MissingEnglishFileReadsAsEmpty) {
  const std::wstring root = FrameworkTestData(L"no_english/");
  texts_.LoadLanguage(L"German", root);
  EXPECT_EQ(L"Geräte koppeln", texts_.GetText(L"CorvilMain", L"lb_Title->Caption"));
  EXPECT_EQ(L"", texts_.GetText(L"CorvilMain", L"NoDongleExists"));
  texts_.LoadLanguage(L"Japanese", root);
  EXPECT_EQ(L"", texts_.GetText(L"CorvilMain", L"lb_Title->Caption"));
}

TEST_F(LanguageTextsTest, ReloadReplacesAndFreeReleases) {
  texts_.LoadLanguage(L"ChineseT", formsRoot_);
  texts_.LoadLanguage(L"ChineseS", formsRoot_);
  EXPECT_EQ(L"配对您的设备", texts_.GetText(L"CorvilMain", L"lb_Title->Caption"));
  texts_.FreeLanguage();
  EXPECT_EQ(L"", texts_.GetText(L"CorvilMain", L"lb_Title->Caption"));
  EXPECT_EQ(L"CorvilStep2", texts_.ResolveSection(L"CorvilStep2", L"ABC"));
}

TEST_F(LanguageTextsTest, FormsRootWithoutTrailingSeparator) {
  texts_.LoadLanguage(L"ChineseT", FrameworkTestData(L"forms"));
  EXPECT_EQ(L"ChineseT", texts_.SelectedLanguage());
}

TEST_F(LanguageTextsTest, ResolveSectionUsesVariantOnlyWhenItHasKeys) {
  texts_.LoadLanguage(L"ChineseT", formsRoot_);
  EXPECT_EQ(L"CorvilStep2.ABC", texts_.ResolveSection(L"CorvilStep2", L"ABC"));
  EXPECT_EQ(L"CorvilStep2.abc", texts_.ResolveSection(L"CorvilStep2", L"abc"));
  EXPECT_EQ(L"CorvilStep2", texts_.ResolveSection(L"CorvilStep2", L"Empty"));  // only a comment
  EXPECT_EQ(L"CorvilStep2", texts_.ResolveSection(L"CorvilStep2", L"XYZ"));
  EXPECT_EQ(L"CorvilStep2", texts_.ResolveSection(L"CorvilStep2", L""));
  EXPECT_EQ(L"ABC 第二步", texts_.GetText(L"CorvilStep2.ABC", L"lb_Title->Caption"));
}

TEST(ModuleLanguageTexts, FreeFunctionsShareOneInstance) {
  framework::LoadLanguage(L"ChineseT", FrameworkTestData(L"forms/"));
  EXPECT_EQ(L"第二步", framework::GetText(L"CorvilStep2", L"lb_Title->Caption"));
  EXPECT_EQ(L"ChineseT", framework::ModuleLanguageTexts().SelectedLanguage());
  EXPECT_EQ(L"CorvilStep2.ABC", framework::ResolveSection(L"CorvilStep2", L"ABC"));
  framework::FreeLanguage();
  EXPECT_EQ(L"", framework::GetText(L"CorvilStep2", L"lb_Title->Caption"));
}
