#include "core/month_title.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/bytes.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Bytes;

// Shift-JIS bytes of the texts the titles are made of.
const std::string kNen = Bytes("94 4E");           // 年
const std::string kGatsu = Bytes("8C 8E");         // 月
const std::string kGannen = Bytes("8C B3 94 4E");  // 元年
const std::string kShowa = Bytes("8F BA 98 61");   // 昭和
const std::string kHeisei = Bytes("95 BD 90 AC");  // 平成
const std::string kReiwa = Bytes("97 DF 98 61");   // 令和

std::string Era(year_month_day day, std::span<const tezun::Era> eras = BuiltInEras()) {
  return MonthTitle(day, TitleForm::Era, eras);
}

TEST(MonthTitle, WesternAndEnglish) {
  EXPECT_EQ(MonthTitle(2026y / 12 / 9, TitleForm::Western, BuiltInEras()), "2026" + kNen + "12" + kGatsu);
  EXPECT_EQ(MonthTitle(2026y / 5 / 1, TitleForm::Western, BuiltInEras()), "2026" + kNen + "5" + kGatsu);
  EXPECT_EQ(MonthTitle(2026y / 12 / 9, TitleForm::English, BuiltInEras()), "December 2026");
  EXPECT_EQ(MonthTitle(2027y / 1 / 1, TitleForm::English, BuiltInEras()), "January 2027");
}

TEST(MonthTitle, TheEraInForceOnTodayWithItsFirstYear) {
  EXPECT_EQ(Era(2026y / 12 / 9), kReiwa + "8" + kNen + "12" + kGatsu);
  EXPECT_EQ(Era(1989y / 1 / 7), kShowa + "64" + kNen + "1" + kGatsu);
  EXPECT_EQ(Era(1989y / 1 / 8), kHeisei + kGannen + "1" + kGatsu);
  EXPECT_EQ(Era(2019y / 4 / 30), kHeisei + "31" + kNen + "4" + kGatsu);
  EXPECT_EQ(Era(2019y / 5 / 1), kReiwa + kGannen + "5" + kGatsu);
  EXPECT_EQ(Era(2020y / 1 / 1), kReiwa + "2" + kNen + "1" + kGatsu);
  EXPECT_EQ(Era(1867y / 12 / 31), "1867" + kNen + "12" + kGatsu) << "before the first era: the Western form";
  EXPECT_EQ(Era(2026y / 12 / 9, {}), "2026" + kNen + "12" + kGatsu) << "no eras at all";
}

// The system's list is the one that counts: an era it adds needs no new Tezun.
TEST(MonthTitle, ErasAsWindowsListsThem) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {"2019 05 01", kReiwa + "_" + Bytes("97 DF") + "_Reiwa_R"},
      {"1989 01 08", kHeisei + "_" + Bytes("95 BD") + "_Heisei_H"},
      {"2031 04 01", "Mirai_M_Mirai_M"},  // an era yet to come, as an update would add it
      {"2030 02 30", "Bad_B_Bad_B"},      // no such day
      {"2030-01-01", "Bad_B_Bad_B"},
      {"2030 01 01", ""},
  };
  const std::vector<tezun::Era> eras = ParseEraList(values);
  ASSERT_EQ(eras.size(), 3u);
  EXPECT_EQ(eras[0].name, kHeisei);
  EXPECT_EQ(eras[2].start, sys_days{2031y / 4 / 1});
  EXPECT_EQ(Era(2031y / 3 / 31, eras), kReiwa + "13" + kNen + "3" + kGatsu);
  EXPECT_EQ(Era(2031y / 4 / 1, eras), "Mirai" + kGannen + "4" + kGatsu);
  EXPECT_EQ(Era(2032y / 1 / 5, eras), "Mirai2" + kNen + "1" + kGatsu);
  EXPECT_EQ(Era(1988y / 12 / 31, eras), "1988" + kNen + "12" + kGatsu) << "before the list's first era";
}

// Numbers beyond a date's ranges name no day: a month of 257, a day of 257 or a year of 70000
// once wrapped round to January, the 1st and the year 4464 and made an era of a broken value.
TEST(MonthTitle, AValueNameBeyondADatesRangesIsNoEra) {
  const std::vector<std::pair<std::string, std::string>> values = {
      {"2019 257 01", "Month_M_Month_M"}, {"2019 05 257", "Day_D_Day_D"},    {"70000 01 01", "Year_Y_Year_Y"},
      {"-5 01 01", "Minus_M_Minus_M"},    {"0 01 01", "Zero_Z_Zero_Z"},      {"10000 01 01", "Far_F_Far_F"},
      {"9999 12 31", "Last_L_Last_L"},    {"0001 01 01", "First_F_First_F"},
  };
  const std::vector<tezun::Era> eras = ParseEraList(values);
  ASSERT_EQ(eras.size(), 2u);
  EXPECT_EQ(eras[0], (tezun::Era{sys_days{1y / 1 / 1}, "First"}));
  EXPECT_EQ(eras[1], (tezun::Era{sys_days{9999y / 12 / 31}, "Last"}));
}

}  // namespace
}  // namespace tezun
