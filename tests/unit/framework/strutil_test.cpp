#include "framework/core/strutil.h"

#include <gtest/gtest.h>

using framework::GetField;
using framework::HexTextToInt;
using framework::IntToHexText;
using framework::ParseColor;
using framework::ParseRect;
using framework::Rect;

TEST(GetField, SplitsAndTrimsFields) {
  EXPECT_EQ(L"rectwh", GetField(L"rectwh, 10,20 ,5,5", L',', 0));
  EXPECT_EQ(L"10", GetField(L"rectwh, 10,20 ,5,5", L',', 1));
  EXPECT_EQ(L"20", GetField(L"rectwh, 10,20 ,5,5", L',', 2));
  EXPECT_EQ(L"5", GetField(L"rectwh, 10,20 ,5,5", L',', 4));
  EXPECT_EQ(L"", GetField(L"a,,b", L',', 1));
}

TEST(GetField, FinalSeparatorBelongsToLastField) {
  EXPECT_EQ(L"b,", GetField(L"a,b,", L',', 1));
  EXPECT_EQ(L"", GetField(L"a,b,", L',', 2));
  EXPECT_EQ(L",", GetField(L",", L',', 0));
}

TEST(GetField, OutOfRangeIndexGivesEmpty) {
  EXPECT_EQ(L"", GetField(L"rectwh, 10,20 ,5,5", L',', 5));
  EXPECT_EQ(L"", GetField(L"a,b", L',', -1));
  for (int n = 0; n < 3; ++n) EXPECT_EQ(L"", GetField(L"", L',', n));
}

TEST(ParseRect, ReadsBothKindsCaseInsensitively) {
  EXPECT_EQ((Rect{1, 2, 30, 40}), ParseRect(L"RectP,1,2,30,40"));
  EXPECT_EQ((Rect{1, 2, 30, 41}), ParseRect(L"rectwh,1,2,30,40"));
  EXPECT_EQ((Rect{10, 20, 109, 49}), ParseRect(L"  RECTWH, 10, 20, 100, 30  "));
  EXPECT_EQ((Rect{-5, -6, 7, 8}), ParseRect(L"rectp,-5,-6,+7,8"));
}

TEST(ParseRect, UnknownKindGivesEmptyRectangle) {
  EXPECT_EQ(Rect{}, ParseRect(L"square,1,2,3,4"));
  EXPECT_EQ(Rect{}, ParseRect(L""));
}

TEST(ParseRect, BadNumbersAreReportedNotThrown) {
  EXPECT_FALSE(ParseRect(L"rectp,1,x,3,4"));
  EXPECT_FALSE(ParseRect(L"rectp,1,2,3"));        // missing bottom
  EXPECT_FALSE(ParseRect(L"rectp,1,2,3,4,"));     // last field is "4,"
  EXPECT_FALSE(ParseRect(L"rectp,1.5,2,3,4"));
  EXPECT_FALSE(ParseRect(L"rectp,0x10,2,3,4"));
  EXPECT_FALSE(ParseRect(L"rectp,2147483648,0,0,0"));
  EXPECT_FALSE(ParseRect(L"rectp,99999999999999999999999,0,0,0"));
  EXPECT_FALSE(ParseRect(L"rectwh,2147483647,0,2,1"));  // right would pass 32 bits
  EXPECT_TRUE(ParseRect(L"rectp,-2147483648,0,2147483647,0"));
}

TEST(ParseColor, BuildsColorrefFromLowBytes) {
  EXPECT_EQ(255u, ParseColor(L"rgb,255,0,0"));
  EXPECT_EQ(44u << 16, ParseColor(L"rgb,0,0,300"));
  EXPECT_EQ(0x030201u, ParseColor(L" RGB, 1 ,2,3 "));
  EXPECT_EQ(0xFFu, ParseColor(L"rgb,-1,0,0"));  // two's complement low byte
}

TEST(ParseColor, OtherKindIsBlackAndBadNumberIsReported) {
  EXPECT_EQ(0u, ParseColor(L"red"));
  EXPECT_EQ(0u, ParseColor(L""));
  EXPECT_FALSE(ParseColor(L"rgb,zero,0,0"));
  EXPECT_FALSE(ParseColor(L"rgb,1,2"));
  EXPECT_FALSE(ParseColor(L"rgb,1,2,3000000000"));
}

TEST(HexText, FormatsWithPadding) {
  EXPECT_EQ(L"051634", IntToHexText(333364, 6));
  EXPECT_EQ(L"FF", IntToHexText(255, 1));
  EXPECT_EQ(L"0", IntToHexText(0, 0));
  EXPECT_EQ(L"FFFFFFFF", IntToHexText(static_cast<uint32_t>(-1), 6));
  EXPECT_EQ(32u, IntToHexText(1, 1000).size());
}

TEST(HexText, ParsesUpToFirstNonHexCharacter) {
  EXPECT_EQ(333364u, HexTextToInt(L"051634"));
  EXPECT_EQ(18u, HexTextToInt(L"12G4"));
  EXPECT_EQ(0xABCDEFu, HexTextToInt(L"abcDEF"));
  EXPECT_EQ(0u, HexTextToInt(L""));
  EXPECT_EQ(0u, HexTextToInt(L" 12"));
  EXPECT_EQ(0xFFFFFFFFu, HexTextToInt(L"FFFFFFFF"));
}

TEST(HexText, MoreThanEightDigitsKeepLow32Bits) {
  EXPECT_EQ(0x23456789u, HexTextToInt(L"123456789"));
  EXPECT_EQ(0u, HexTextToInt(L"100000000"));
}

