#include "core/holidays.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/texts.h"
#include "support/bytes.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Bytes;

TDateTime Date(int y, unsigned m, unsigned d) { return DateOf(year{y} / month{m} / day{d}); }
bool Holiday(int y, unsigned m, unsigned d) { return IsHoliday(Date(y, m, d)); }

TEST(HolidayTable, IsBuiltFromItsShiftJisText) {
  EXPECT_EQ(kHolidayTableTextSize, 495u);
  ASSERT_EQ(HolidayTable.size(), 17u);
  const THolidayList& first = HolidayTable.front();
  EXPECT_EQ(first.StartYear, 1949);
  EXPECT_EQ(first.EndYear, 9999);
  EXPECT_EQ(first.Month, 1);
  EXPECT_EQ(first.Day, 1);
  EXPECT_EQ(first.Name, Bytes("8C B3 93 FA"));  // 元日
  const THolidayList& comingOfAge = HolidayTable[2];
  EXPECT_EQ(comingOfAge.StartYear, 2000);
  EXPECT_EQ(comingOfAge.Day, 0);
  EXPECT_EQ(comingOfAge.WeekNo, 2);
  EXPECT_EQ(comingOfAge.DayOfWeekNo, 2);
  const THolidayList& last = HolidayTable.back();
  EXPECT_EQ(last.StartYear, 1989);
  EXPECT_EQ(last.Month, 12);
  EXPECT_EQ(last.Day, 23);
  EXPECT_EQ(last.Name, Bytes("93 56 8D 63 92 61 90 B6 93 FA"));  // 天皇誕生日, no line break after it
}

TEST(IsHoliday, TheYear2026) {
  std::vector<std::pair<unsigned, unsigned>> found;
  for (sys_days day = sys_days{2026y / 1 / 1}; day < sys_days{2027y / 1 / 1}; day += days{1}) {
    if (IsHoliday(DateOf(day))) {
      const year_month_day ymd{day};
      found.emplace_back(static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
    }
  }
  const std::vector<std::pair<unsigned, unsigned>> expected = {
      {1, 1},  {1, 12}, {2, 11}, {3, 20},  {4, 29}, {5, 3},   {5, 4},   {5, 5},
      {7, 20}, {9, 21}, {9, 23}, {10, 12}, {11, 3}, {11, 23}, {12, 23},
  };
  EXPECT_EQ(found, expected);
}

TEST(IsHoliday, RulesThatChangedDate) {
  EXPECT_TRUE(Holiday(1999, 1, 15));
  EXPECT_FALSE(Holiday(2000, 1, 15));
  EXPECT_TRUE(Holiday(2000, 1, 10));  // second Monday
  EXPECT_TRUE(Holiday(2002, 7, 20));
  EXPECT_FALSE(Holiday(2003, 7, 20));  // a Sunday
  EXPECT_TRUE(Holiday(2003, 7, 21));   // third Monday
  EXPECT_TRUE(Holiday(2003, 9, 15));   // third Monday: the 1st was a Monday
  EXPECT_FALSE(Holiday(2004, 9, 15));
  EXPECT_TRUE(Holiday(2004, 9, 20));
  EXPECT_TRUE(Holiday(1999, 10, 10));
  EXPECT_FALSE(Holiday(2000, 10, 10));
  EXPECT_TRUE(Holiday(2000, 10, 9));
}

TEST(IsHoliday, FirstYearsOfRules) {
  EXPECT_FALSE(Holiday(1995, 7, 20));
  EXPECT_TRUE(Holiday(1996, 7, 20));
  EXPECT_FALSE(Holiday(1966, 9, 15));
  EXPECT_FALSE(Holiday(1966, 2, 11));
  EXPECT_TRUE(Holiday(1967, 2, 11));
  EXPECT_FALSE(Holiday(1985, 5, 4));
  EXPECT_TRUE(Holiday(1986, 5, 4));
  EXPECT_FALSE(Holiday(1988, 12, 23));
  EXPECT_TRUE(Holiday(1989, 12, 23));
  EXPECT_FALSE(Holiday(1948, 1, 1)) << "no rule before 1949";
  EXPECT_TRUE(Holiday(1949, 1, 1));
}

TEST(IsHoliday, EquinoxDaysHaveNoYearRange) {
  EXPECT_TRUE(Holiday(1997, 3, 20));
  EXPECT_TRUE(Holiday(1997, 9, 23));
  EXPECT_TRUE(Holiday(2004, 3, 20));
  EXPECT_FALSE(Holiday(2004, 3, 21));
  EXPECT_TRUE(Holiday(2016, 9, 22));
  EXPECT_FALSE(Holiday(2016, 9, 23));
  EXPECT_TRUE(Holiday(1948, 3, 21));
  EXPECT_TRUE(Holiday(2100, 3, 21) || Holiday(2100, 3, 20));
}

TEST(IsHoliday, SundaysAreReportedOnTheSundayItself) {
  EXPECT_TRUE(Holiday(2007, 4, 29));
  EXPECT_FALSE(Holiday(2007, 4, 30));
}

TEST(IsHoliday, OnlyTheCalendarDayCounts) {
  EXPECT_TRUE(IsHoliday(Date(2026, 5, 4) + 0.999));
  EXPECT_TRUE(IsHoliday(Date(1997, 3, 20) + 0.99));  // past the equinox moment of 22:55
  EXPECT_FALSE(IsHoliday(Date(2026, 5, 6) + 0.5));
}

TEST(IsHoliday, DatesOutsideTheCalendarAreNoHolidays) {
  EXPECT_FALSE(IsHoliday(1e300));
  EXPECT_FALSE(IsHoliday(-1e300));
  EXPECT_FALSE(IsHoliday(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(IsHoliday(std::numeric_limits<double>::infinity()));
}

}  // namespace
}  // namespace tezun
