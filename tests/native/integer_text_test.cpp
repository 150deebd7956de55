#include "core/integer_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace tezun {
namespace {

TEST(ParseSettingInteger, DecimalWithLeadingSpacesAndSign) {
  EXPECT_EQ(ParseSettingInteger("300"), 300);
  EXPECT_EQ(ParseSettingInteger(" 300"), 300);
  EXPECT_EQ(ParseSettingInteger("    -17"), -17);
  EXPECT_EQ(ParseSettingInteger("+42"), 42);
  EXPECT_EQ(ParseSettingInteger("0"), 0);
  EXPECT_EQ(ParseSettingInteger("-0"), 0);
  EXPECT_EQ(ParseSettingInteger("000123"), 123);
}

TEST(ParseSettingInteger, DecimalRangeIsSigned32Bit) {
  EXPECT_EQ(ParseSettingInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseSettingInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseSettingInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseSettingInteger("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseSettingInteger("99999999999999999999999"), std::nullopt);
}

TEST(ParseSettingInteger, HexPrefixesReadA32BitPattern) {
  EXPECT_EQ(ParseSettingInteger("$12C"), 300);
  EXPECT_EQ(ParseSettingInteger("0x12C"), 300);
  EXPECT_EQ(ParseSettingInteger("0X12c"), 300);
  EXPECT_EQ(ParseSettingInteger("x12C"), 300);
  EXPECT_EQ(ParseSettingInteger("X12C"), 300);
  EXPECT_EQ(ParseSettingInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseSettingInteger("$80000000"), INT32_MIN);
  EXPECT_EQ(ParseSettingInteger("-$10"), -16);
  EXPECT_EQ(ParseSettingInteger("-$FFFFFFFF"), 1);
  EXPECT_EQ(ParseSettingInteger(" +0x7fffffff"), INT32_MAX);
  EXPECT_EQ(ParseSettingInteger("$000000000001"), 1);  // leading zeros are not significant bits
  EXPECT_EQ(ParseSettingInteger("$100000000"), std::nullopt);
}

TEST(ParseSettingInteger, AnythingElseHasNoValue) {
  for (const char* text : {"",     " ",   "-",   "+",   "$",   "x",    "0x",  "-0x", "300 ", "abc", "12a",
                           "3 00", "\t1", "--1", "+-1", "$-1", "0x+1", "1e3", "$G",  "0b1",  "１"}) {
    EXPECT_EQ(ParseSettingInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(FormatSettingInteger, SignedDecimal) {
  EXPECT_EQ(FormatSettingInteger(0), "0");
  EXPECT_EQ(FormatSettingInteger(16777215), "16777215");
  EXPECT_EQ(FormatSettingInteger(-1), "-1");
  EXPECT_EQ(FormatSettingInteger(INT32_MIN), "-2147483648");
  EXPECT_EQ(FormatSettingInteger(INT32_MAX), "2147483647");
}

TEST(FormatSettingInteger, ReadsBackUnchanged) {
  for (int32_t value : {0, 1, -1, 255, 16776960, INT32_MIN, INT32_MAX, -123456789}) {
    EXPECT_EQ(ParseSettingInteger(FormatSettingInteger(value)), value);
  }
}

}  // namespace
}  // namespace tezun
