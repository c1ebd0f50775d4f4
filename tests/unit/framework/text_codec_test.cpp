#include "framework/core/text_codec.h"

#include <gtest/gtest.h>

using namespace framework;

namespace {
std::wstring NoAnsi(const std::string&) { return L"<ansi>"; }
}  // namespace

TEST(TextCodec, Utf8DecodesToUtf16Units) {
  EXPECT_EQ(L"Ger\u00E4te \u914D\u5C0D", DecodeUtf8("Ger\xC3\xA4te \xE9\x85\x8D\xE5\xB0\x8D"));
  const std::wstring emoji = DecodeUtf8("\xF0\x9F\x98\x80");  // U+1F600
  ASSERT_EQ(2u, emoji.size());
  EXPECT_EQ(0xD83D, static_cast<int>(emoji[0]));
  EXPECT_EQ(0xDE00, static_cast<int>(emoji[1]));
  EXPECT_EQ("\xF0\x9F\x98\x80", EncodeUtf8(emoji));
}

TEST(TextCodec, IllFormedUtf8IsReplacedNotTrusted) {
  EXPECT_FALSE(IsWellFormedUtf8("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(IsWellFormedUtf8("\xED\xA0\x80"));      // encoded surrogate
  EXPECT_FALSE(IsWellFormedUtf8("\xE9\x85"));          // truncated
  EXPECT_FALSE(IsWellFormedUtf8("caf\xE9"));           // Latin-1 byte
  EXPECT_TRUE(IsWellFormedUtf8("plain ascii"));
  EXPECT_EQ(L"a\uFFFDb", DecodeUtf8("a\xFF" "b"));
}

TEST(TextCodec, Cp1252MapsTheHighBytes) {
  EXPECT_EQ(L"\u20AC caf\u00E9 \u2122\u0081", DecodeCp1252("\x80 caf\xE9 \x99\x81"));
}

TEST(TextCodec, FileEncodingFollowsTheBom) {
  EXPECT_EQ(L"A\u914D", DecodeTextFile(std::string("\xFF\xFE" "A\0\x4D\x91", 6), NoAnsi));
  EXPECT_EQ(L"A\u914D", DecodeTextFile(std::string("\xFE\xFF\0A\x91\x4D", 6), NoAnsi));
  EXPECT_EQ(L"A", DecodeTextFile(std::string("\xFF\xFE" "A\0B", 5), NoAnsi));  // odd byte dropped
  EXPECT_EQ(L"\u00E4", DecodeTextFile("\xEF\xBB\xBF\xC3\xA4", NoAnsi));
  EXPECT_EQ(L"\u00E4", DecodeTextFile("\xC3\xA4", NoAnsi));
  EXPECT_EQ(L"<ansi>", DecodeTextFile("caf\xE9", NoAnsi));
  EXPECT_EQ(L"", DecodeTextFile("", NoAnsi));
}
