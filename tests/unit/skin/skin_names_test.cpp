// Names of skinned controls for screen readers, and which captions the skin draws itself.
#include "skin/core/skin_names.h"

#include <gtest/gtest.h>

#include "skin/core/slot_table.h"

namespace skin {
namespace {

framework::IniFile Ini(const char* text) { return framework::IniFile::FromBytes(text); }

TEST(SkinNames, LanguageFileFirstThenEnglishKeyByKey) {
  SkinNameBook book({Ini("[SkinCaptions]\nPair=Koppeln\n[SkinNames]\nWindowClose=Schließen\n"),
                     Ini("[SkinCaptions]\nPair=Pair\nNextStep=Next\n[SkinNames]\nWindowClose=Close\nWeb=Website\n")});
  EXPECT_EQ(book.NameOf(L"Pair"), L"Koppeln");
  EXPECT_EQ(book.NameOf(L"WindowClose"), L"Schließen");
  EXPECT_EQ(book.NameOf(L"NextStep"), L"Next");  // not translated: English
  EXPECT_EQ(book.NameOf(L"Web"), L"Website");
  EXPECT_EQ(book.NameOf(L"OK"), L"");            // a bitmap without a caption of its own
  EXPECT_EQ(book.NameOf(L""), L"");
  EXPECT_EQ(SkinNameBook().NameOf(L"Pair"), L"");
}

TEST(SkinNames, SplitMarksOfBitmapCaptionsBecomeOneLine) {
  EXPECT_EQ(NameFromCaption(L"別のマウスを\\\\\\\\ペアリング"), L"別のマウスをペアリング");
  EXPECT_EQ(NameFromCaption(L"Pair another\\\\\\\\mouse"), L"Pair another mouse");
  EXPECT_EQ(NameFromCaption(L"Pair another \\\\\\\\mouse"), L"Pair another mouse");
  EXPECT_EQ(NameFromCaption(L"Pair"), L"Pair");
  SkinNameBook book({Ini("[SkinCaptions]\nNewCorvilProc=\xe6\x96\xb0\\\\\\\\\xe3\x83\x9a\n")});
  EXPECT_EQ(book.NameOf(L"NewCorvilProc"), L"\u65B0\u30DA");
}

TEST(SkinNames, EveryPlanNamesItsSlotsByTheBitmapTheyShow) {
  EXPECT_EQ(SkinNameKey(L"Pair.bmp"), L"Pair");
  EXPECT_EQ(SkinNameKey(L".\\English\\WindowClose.bmp"), L"WindowClose");
  EXPECT_EQ(LanguageFolderPlan({{27, L"PairNextKeyboard.bmp"}}, L"German")[0].nameKey, L"PairNextKeyboard");
  // The pairing tool's files carry a prefix; they show the same as the suite's Pair and close bitmaps.
  const SlotPlan tool = PairToolPlan(L"C:\\Tool\\data\\", L"ChineseT");
  EXPECT_EQ(tool[0].nameKey, L"WindowClose");
  EXPECT_EQ(tool[1].nameKey, L"Pair");
  EXPECT_EQ(PairToolNameFiles(L"C:\\Tool\\data\\", L"ChineseT"),
            (std::vector<std::wstring>{L"C:\\Tool\\data\\ChineseT.txt", L"C:\\Tool\\data\\English.txt"}));
  EXPECT_EQ(LanguageNameFiles(L"English"), (std::vector<std::wstring>{L"..\\Texts\\English.txt"}));
}

TEST(SkinNames, NoControlIsLeftWithoutAName) {
  EXPECT_EQ(AccessibleName(L"OK", L"", L"bt_OK"), L"OK");             // its own caption first
  EXPECT_EQ(AccessibleName(L"", L"Pair", L"bt_Pair"), L"Pair");       // what the bitmap shows
  EXPECT_EQ(AccessibleName(L"", L"", L"bt_WindowClose"), L"WindowClose");  // no language file
  EXPECT_EQ(AccessibleName(L"", L"", L"Button1"), L"Button1");
  EXPECT_EQ(AccessibleName(L"", L"", L"bt_"), L"bt_");
}

TEST(SkinNames, TheSkinNeverDrawsACaptionTheBitmapAlreadyShows) {
  EXPECT_TRUE(SkinDrawsCaption(L"OK", L"", L""));
  EXPECT_FALSE(SkinDrawsCaption(L"Pair", L"Pair", L""));   // drawn into the bitmap
  EXPECT_FALSE(SkinDrawsCaption(L"Close", L"", L"Close"));  // a name given for screen readers only
  EXPECT_TRUE(SkinDrawsCaption(L"Pair now", L"Pair", L""));  // a caption of the form's own
  EXPECT_FALSE(SkinDrawsCaption(L"", L"", L""));
}

}  // namespace
}  // namespace skin
