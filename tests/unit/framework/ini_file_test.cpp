#include "framework/core/ini_file.h"

#include <gtest/gtest.h>

#include "framework_test_data.h"

using framework::IniFile;
using framework::kMissingValue;

namespace {

IniFile Ini(const std::string& text) { return IniFile::FromBytes(text, framework::DecodeCp1252); }

const char kSample[] =
    "; leading comment\r\n"
    "orphan=before any section\r\n"
    "[Main]\r\n"
    "Title = Hello World  \r\n"
    "  Indented=yes\n"
    "Quoted=\"  padded  \"\n"
    "Single='x'\n"
    "Lonely=\"\n"
    "Inner=a \"b\" c\n"
    "Empty=\n"
    "Equals=a=b\n"
    "NoEquals\n"
    ";Commented=1\n"
    "title=second copy\n"
    "[ Other ]  ; trailing text\r"
    "Key=other\n"
    "[main]\n"
    "Late=never seen\n"
    "[Blank]\n"
    "\n"
    "; nothing but a comment\n";

}  // namespace

TEST(IniFile, SectionsAndKeysIgnoreCaseAndBlanks) {
  const IniFile ini = Ini(kSample);
  EXPECT_EQ(L"Hello World", ini.ReadString(L"main", L"TITLE", kMissingValue));
  EXPECT_EQ(L"Hello World", ini.ReadString(L" MAIN ", L" title ", kMissingValue));
  EXPECT_EQ(L"yes", ini.ReadString(L"Main", L"Indented", kMissingValue));
  EXPECT_EQ(L"other", ini.ReadString(L"other", L"key", kMissingValue));  // header trimmed, CR line end
  EXPECT_EQ(L"a=b", ini.ReadString(L"Main", L"Equals", kMissingValue));
}

TEST(IniFile, AbsentKeysGiveTheDefault) {
  const IniFile ini = Ini(kSample);
  EXPECT_EQ(L"@@", ini.ReadString(L"Main", L"Missing", kMissingValue));
  EXPECT_EQ(L"@@", ini.ReadString(L"Nowhere", L"Title", kMissingValue));
  EXPECT_EQ(L"@@", ini.ReadString(L"Main", L"NoEquals", kMissingValue));
  EXPECT_EQ(L"@@", ini.ReadString(L"Main", L";Commented", kMissingValue));
  EXPECT_EQ(L"@@", ini.ReadString(L"", L"orphan", kMissingValue));
  EXPECT_EQ(L"", ini.ReadString(L"Main", L"Empty", kMissingValue));  // present but empty
}

TEST(IniFile, SurroundingQuotesAreRemovedOnce) {
  const IniFile ini = Ini(kSample);
  EXPECT_EQ(L"  padded  ", ini.ReadString(L"Main", L"Quoted", kMissingValue));
  EXPECT_EQ(L"x", ini.ReadString(L"Main", L"Single", kMissingValue));
  EXPECT_EQ(L"\"", ini.ReadString(L"Main", L"Lonely", kMissingValue));
  EXPECT_EQ(L"a \"b\" c", ini.ReadString(L"Main", L"Inner", kMissingValue));
}

TEST(IniFile, FirstDuplicateWins) {
  const IniFile ini = Ini(kSample);
  EXPECT_EQ(L"Hello World", ini.ReadString(L"Main", L"title", kMissingValue));
  EXPECT_EQ(L"@@", ini.ReadString(L"Main", L"Late", kMissingValue));
}

TEST(IniFile, SectionKeysInFileOrder) {
  const IniFile ini = Ini(kSample);
  const std::vector<std::wstring> expected = {L"Title", L"Indented", L"Quoted", L"Single", L"Lonely",
                                              L"Inner", L"Empty",   L"Equals", L"NoEquals"};
  EXPECT_EQ(expected, ini.SectionKeys(L"MAIN"));
  EXPECT_TRUE(ini.SectionKeys(L"Blank").empty());
  EXPECT_TRUE(ini.SectionKeys(L"Nowhere").empty());
}

TEST(IniFile, LongLinesAreNotCut) {
  const std::string value(100000, 'x');
  const IniFile ini = Ini("[S]\nK=" + value + "\n");
  EXPECT_EQ(value.size(), ini.ReadString(L"S", L"K", L"").size());
}

TEST(IniFile, EightBitTextGoesThroughTheCodePage) {
  const IniFile ini = Ini("[S]\nK=caf\xE9 \x80\n");
  EXPECT_EQ(L"caf\u00E9 \u20AC", ini.ReadString(L"S", L"K", L""));
}

TEST(IniFile, ReadsEveryFileEncoding) {
  const IniFile utf16 = IniFile::Open(FrameworkTestData(L"forms/Texts/ChineseT.txt"));
  const IniFile utf8Bom = IniFile::Open(FrameworkTestData(L"forms/Texts/ChineseS.txt"));
  const IniFile utf8 = IniFile::Open(FrameworkTestData(L"forms/Texts/German.txt"));
  EXPECT_TRUE(utf16.Exists());
  EXPECT_EQ(L"配對您的裝置", utf16.ReadString(L"CorvilMain", L"lb_Title->Caption", kMissingValue));
  EXPECT_EQ(L"配对您的设备", utf8Bom.ReadString(L"CorvilMain", L"lb_Title->Caption", kMissingValue));
  EXPECT_EQ(L"Geräte koppeln", utf8.ReadString(L"corvilmain", L"LB_TITLE->CAPTION", kMissingValue));
  const std::vector<std::wstring> keys = {L"lb_Title->Caption", L"lb_TwoLines->Caption", L"NoDongleExists"};
  EXPECT_EQ(keys, utf16.SectionKeys(L"CorvilMain"));  // the BOM did not stick to the first header
}

TEST(IniFile, MissingFileReadsAsEmpty) {
  const IniFile missing = IniFile::Open(FrameworkTestData(L"forms/Texts/Klingon.txt"));
  EXPECT_FALSE(missing.Exists());
  EXPECT_EQ(L"@@", missing.ReadString(L"CorvilMain", L"lb_Title->Caption", kMissingValue));
  EXPECT_TRUE(missing.SectionKeys(L"CorvilMain").empty());
  EXPECT_FALSE(IniFile::Open(FrameworkTestData(L"forms/Texts")).Exists());  // a folder
  EXPECT_FALSE(IniFile().Exists());
}
