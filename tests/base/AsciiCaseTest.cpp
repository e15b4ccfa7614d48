#include "base/AsciiCase.h"

#include <gtest/gtest.h>

TEST(AsciiCase, FoldsTheAsciiLettersOnlyAndLeavesOtherBytes) {
  // '@' and '[' sit next to 'A' and 'Z'; 0xC4 is a letter in Latin-1 and stays as it is.
  EXPECT_EQ(AsciiLowered("@AZ[az`{\xC4"), "@az[az`{\xC4");
  EXPECT_EQ(AsciiUpper('a'), 'A');
  EXPECT_EQ(AsciiUpper('{'), '{');
  EXPECT_TRUE(EqualIgnoringAsciiCase("C:\\Show\\A.BAT", "c:\\show\\a.bat"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("\xC4", "\xE4"));
  EXPECT_FALSE(EqualIgnoringAsciiCase("ab", "abc"));
}
