#include "core/month_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace tezun {
namespace {

using namespace std::chrono;

TDateTime Date(int y, unsigned m, unsigned d) { return DateOf(year{y} / month{m} / day{d}); }

// A holiday test that names its days of one month explicitly.
auto HolidaysOn(const std::set<unsigned>& daysOfMonth) {
  return [daysOfMonth](TDateTime date) {
    return daysOfMonth.contains(static_cast<unsigned>(year_month_day{*CalendarDay(date)}.day()));
  };
}

int RowsUsed(const MonthGrid& grid) {
  int rows = 0;
  for (int r = 0; r < 6; ++r) {
    for (const DayCell& cell : grid[r]) {
      if (cell.Day) rows = r + 1;
    }
  }
  return rows;
}

// The days that carry the holiday mark, in order.
std::vector<unsigned> Marked(const MonthGrid& grid) {
  std::vector<unsigned> marked;
  for (const auto& row : grid) {
    for (const DayCell& cell : row) {
      if (cell.HolidayFlag) marked.push_back(cell.Day);
    }
  }
  return marked;
}

TEST(MonthGrid, FebruaryFromASundayFillsFourRows) {
  const MonthGrid grid = BuildMonthGrid(Date(2026, 2, 10), HolidaysOn({}));
  EXPECT_EQ(RowsUsed(grid), 4);
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 7; ++c) {
      EXPECT_EQ(grid[r][c].Day, r * 7 + c + 1);
      EXPECT_EQ(grid[r][c].DayOfWeekNo, c + 1);
    }
  }
  for (int r = 4; r < 6; ++r) {
    for (const DayCell& cell : grid[r]) EXPECT_EQ(cell, DayCell{});
  }
}

TEST(MonthGrid, ThirtyOneDaysFromASaturdayNeedSixRows) {
  const MonthGrid grid = BuildMonthGrid(Date(2026, 8, 1), HolidaysOn({}));
  EXPECT_EQ(grid[0][6].Day, 1);
  EXPECT_EQ(grid[5][1].Day, 31);
  EXPECT_EQ(grid[5][2], DayCell{});
  for (int c = 0; c < 6; ++c) EXPECT_EQ(grid[0][c], DayCell{}) << "before the 1st";
}

TEST(MonthGrid, FiveRowsAndMonthLengths) {
  EXPECT_EQ(RowsUsed(BuildMonthGrid(Date(2026, 12, 8), HolidaysOn({}))), 5);
  auto lastDay = [](TDateTime today) {
    unsigned last = 0;
    for (const auto& row : BuildMonthGrid(today, HolidaysOn({}))) {
      for (const DayCell& cell : row) last = std::max<unsigned>(last, cell.Day);
    }
    return last;
  };
  EXPECT_EQ(lastDay(Date(2024, 2, 1)), 29u);
  EXPECT_EQ(lastDay(Date(2026, 2, 1)), 28u);
  EXPECT_EQ(lastDay(Date(2000, 2, 29)), 29u);
  EXPECT_EQ(lastDay(Date(1900, 2, 1)), 28u);
  EXPECT_EQ(lastDay(Date(2026, 12, 31)), 31u);
  EXPECT_EQ(lastDay(Date(2026, 4, 30)), 30u);
}

TEST(MonthGrid, AsksAboutEveryDayOnceInOrderAtMidnight) {
  std::vector<TDateTime> asked;
  BuildMonthGrid(Date(2026, 12, 8) + 0.75, [&](TDateTime date) {
    asked.push_back(date);
    return false;
  });
  ASSERT_EQ(asked.size(), 31u);
  for (size_t i = 0; i < asked.size(); ++i) EXPECT_EQ(asked[i], Date(2026, 12, 1) + static_cast<double>(i));
}

TEST(MonthGrid, SundayHolidayOnTheFirstMovesToTheSecond) {
  const MonthGrid grid = BuildMonthGrid(Date(2017, 1, 20));  // 1 January 2017 is a Sunday
  EXPECT_FALSE(grid[0][0].HolidayFlag);
  EXPECT_TRUE(grid[0][1].HolidayFlag);
  EXPECT_EQ(grid[0][1].Day, 2);
}

TEST(MonthGrid, SundayHolidayOnTheLastDayMarksNothing) {
  // May 2026 ends on Sunday the 31st.
  const MonthGrid grid = BuildMonthGrid(Date(2026, 5, 2), HolidaysOn({31}));
  for (const auto& row : grid) {
    for (const DayCell& cell : row) EXPECT_FALSE(cell.HolidayFlag) << cell.Day;
  }
}

TEST(MonthGrid, SundayThenMondayHolidayMarksTheMondayOnly) {
  // In May 2026 the 3rd is a Sunday.
  const MonthGrid grid = BuildMonthGrid(Date(2026, 5, 2), HolidaysOn({3, 4}));
  EXPECT_FALSE(grid[1][0].HolidayFlag);
  EXPECT_TRUE(grid[1][1].HolidayFlag);
  EXPECT_FALSE(grid[1][2].HolidayFlag) << "no substitute moves on to the Tuesday";
}

TEST(MonthGrid, MondayKeepsASubstituteMarkThatItsOwnDayWouldNotGive) {
  const MonthGrid grid = BuildMonthGrid(Date(2026, 5, 2), HolidaysOn({10}));
  EXPECT_EQ(grid[2][1].Day, 11);
  EXPECT_TRUE(grid[2][1].HolidayFlag);
  EXPECT_FALSE(grid[2][0].HolidayFlag);
}

TEST(MonthGrid, RealHolidaysOfMay2026) {
  // 3 May is a Sunday: the 4th (itself a holiday) carries it, the 6th does not.
  EXPECT_EQ(Marked(BuildMonthGrid(Date(2026, 5, 2))), (std::vector<unsigned>{4, 5}));
}

TEST(MonthGrid, UnderTheLawEachDayOffIsMarkedOnItsOwnDateAndSundaysAreNot) {
  const auto law = HolidayRuleSet::Current;
  EXPECT_EQ(Marked(BuildMonthGrid(Date(2026, 5, 2), GridRules{law})),
            (std::vector<unsigned>{4, 5, 6}));  // 3 May: a Sunday
  EXPECT_EQ(Marked(BuildMonthGrid(Date(2020, 2, 1), GridRules{law})),
            (std::vector<unsigned>{11, 24}));  // 23 Feb: a Sunday
  // 23 September 2012 was a Sunday, the table's equinox day; the law's was the 22nd.
  EXPECT_EQ(Marked(BuildMonthGrid(Date(2012, 9, 1), GridRules{law})), (std::vector<unsigned>{17, 22}));
  EXPECT_EQ(Marked(BuildMonthGrid(Date(2012, 9, 1), GridRules{HolidayRuleSet::Table})),
            (std::vector<unsigned>{17, 24}));
  EXPECT_EQ(BuildMonthGrid(Date(2026, 5, 2) + 0.5, GridRules{HolidayRuleSet::Table}),
            BuildMonthGrid(Date(2026, 5, 2) + 0.5));
  EXPECT_EQ(BuildMonthGrid(std::numeric_limits<double>::quiet_NaN(), GridRules{law}), MonthGrid{});
}

TEST(MonthGrid, TodayIsExactlyOneCellAndMayBeAHoliday) {
  const MonthGrid grid = BuildMonthGrid(Date(2026, 1, 12) + 0.4);  // Coming of Age Day, a Monday
  int today = 0;
  for (const auto& row : grid) {
    for (const DayCell& cell : row) today += cell.TodayFlag;
  }
  EXPECT_EQ(today, 1);
  EXPECT_TRUE(grid[2][1].TodayFlag);
  EXPECT_TRUE(grid[2][1].HolidayFlag);
}

TEST(MonthGrid, TodayOnASundayHoliday) {
  const MonthGrid grid = BuildMonthGrid(Date(2017, 1, 1));
  EXPECT_TRUE(grid[0][0].TodayFlag);
  EXPECT_FALSE(grid[0][0].HolidayFlag);
  EXPECT_TRUE(grid[0][1].HolidayFlag);
  EXPECT_FALSE(grid[0][1].TodayFlag);
}

// The week may start on Monday: only where a day lies changes. Months of 2026 that start on each
// weekday, laid out both ways, with the holidays of each rule set.
TEST(MonthGrid, MondayFirstMovesTheCellsAndNothingElse) {
  // Each day's cell and where it lies, counted along the rows.
  auto byDay = [](const MonthGrid& grid) {
    std::map<unsigned, std::pair<DayCell, int>> days;
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 7; ++c) {
        if (grid[r][c].Day) days[grid[r][c].Day] = {grid[r][c], r * 7 + c};
      }
    }
    return days;
  };
  for (const unsigned month : {2u, 6u, 9u, 4u, 1u, 5u, 8u}) {  // the 1st on Sunday, Monday, ... Saturday
    for (const auto rules : {HolidayRuleSet::Table, HolidayRuleSet::Current}) {
      const TDateTime today = Date(2026, month, 15);
      const auto sundayFirst = byDay(BuildMonthGrid(today, GridRules{rules, 1}));
      const auto mondayFirst = byDay(BuildMonthGrid(today, GridRules{rules, 2}));
      ASSERT_EQ(mondayFirst.size(), sundayFirst.size()) << "month " << month;
      EXPECT_LT(mondayFirst.at(1).second, 7) << "the 1st in the first row";
      for (const auto& [day, placed] : mondayFirst) {
        const auto& [cell, at] = placed;
        EXPECT_EQ(cell, sundayFirst.at(day).first) << "month " << month << ", day " << day;
        EXPECT_EQ(at % 7, (cell.DayOfWeekNo + 5) % 7) << "Monday in column 0, Sunday in 6";
        if (day > 1) {
          EXPECT_EQ(at, mondayFirst.at(day - 1).second + 1) << "day after day";
        }
      }
    }
  }
}

TEST(MonthGrid, MondayFirstPutsASundaysSubstituteAtTheStartOfTheNextRow) {
  // 3 May 2026, Constitution Day, is a Sunday at the end of the first row.
  const MonthGrid grid = BuildMonthGrid(Date(2026, 5, 2), GridRules{HolidayRuleSet::Table, 2});
  EXPECT_EQ(grid[0][6].Day, 3);
  EXPECT_FALSE(grid[0][6].HolidayFlag);
  EXPECT_EQ(grid[1][0].Day, 4);
  EXPECT_TRUE(grid[1][0].HolidayFlag);
  // A 31-day month from a Sunday fills six rows when the week starts on Monday.
  EXPECT_EQ(RowsUsed(BuildMonthGrid(Date(2026, 3, 1), GridRules{HolidayRuleSet::Table, 2})), 6);
  EXPECT_EQ(RowsUsed(BuildMonthGrid(Date(2026, 3, 1), GridRules{HolidayRuleSet::Table, 1})), 5);
}

TEST(MonthGrid, NoDateGivesAnEmptyGrid) {
  EXPECT_EQ(BuildMonthGrid(std::numeric_limits<double>::quiet_NaN()), MonthGrid{});
  EXPECT_EQ(BuildMonthGrid(1e12), MonthGrid{});
}

}  // namespace
}  // namespace tezun
