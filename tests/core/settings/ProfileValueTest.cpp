#include <gtest/gtest.h>

#include "core/settings/ProfileValue.h"

TEST(ParseProfileNumber, DecimalAndBothHexForms) {
  EXPECT_EQ(ParseProfileNumber("6"), 6);
  EXPECT_EQ(ParseProfileNumber("-1"), -1);
  EXPECT_EQ(ParseProfileNumber("+5"), 5);
  EXPECT_EQ(ParseProfileNumber("007"), 7);
  EXPECT_EQ(ParseProfileNumber("$A"), 10);
  EXPECT_EQ(ParseProfileNumber("$ff"), 255);
  EXPECT_EQ(ParseProfileNumber("0x0A"), 10);
  EXPECT_EQ(ParseProfileNumber("0X1f"), 31);
  EXPECT_EQ(ParseProfileNumber("0x0"), 0);
}

TEST(ParseProfileNumber, AnyOtherTextIsNoNumber) {
  for (const char* text : {"", "yes", "abc", "1.5", "5 ", " 5", "1e3", "$", "0x", "0X", "0xG",
                           "$-1", "-$5", "0x-5", "-", "+", "--1", "12a", "0x1 "}) {
    EXPECT_EQ(ParseProfileNumber(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ParseProfileNumber, OutOfRangeIsNoNumber) {
  EXPECT_EQ(ParseProfileNumber("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseProfileNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseProfileNumber("$7FFFFFFF"), INT32_MAX);
  EXPECT_EQ(ParseProfileNumber("2147483648"), std::nullopt);
  EXPECT_EQ(ParseProfileNumber("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseProfileNumber("$80000000"), std::nullopt);
  EXPECT_EQ(ParseProfileNumber("0xFFFFFFFF"), std::nullopt);
  EXPECT_EQ(ParseProfileNumber(std::string(10000, '9')), std::nullopt);
  EXPECT_EQ(ParseProfileNumber("0000000000000000000000000000001"), 1);
}

TEST(ParseProfileFlag, NonZeroIsTrueAndNoNumberIsTheDefault) {
  EXPECT_TRUE(ParseProfileFlag("yes", true));
  EXPECT_FALSE(ParseProfileFlag("yes", false));
  EXPECT_TRUE(ParseProfileFlag("2", false));
  EXPECT_TRUE(ParseProfileFlag("-1", false));
  EXPECT_FALSE(ParseProfileFlag("0x0", true));
  EXPECT_FALSE(ParseProfileFlag("0", true));
  EXPECT_TRUE(ParseProfileFlag("", true));
  EXPECT_FALSE(ParseProfileFlag("99999999999", false));
  EXPECT_EQ(FormatProfileFlag(true), "1");
  EXPECT_EQ(FormatProfileFlag(false), "0");
  EXPECT_EQ(FormatProfileNumber(-1), "-1");
  EXPECT_EQ(FormatProfileNumber(INT32_MIN), "-2147483648");
}
