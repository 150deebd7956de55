// The month's edges: the dates of the cells, the neighbouring months' days in the first and last
// weeks, and the ISO 8601 week numbers, in years of 52 weeks and of 53.
#include "core/month_edges.h"

#include <gtest/gtest.h>

#include "core/calendar_layout.h"

namespace tezun {
namespace {

using namespace std::chrono;

const TDateTime kDecember2026 = DateOf(2026y / December / 15);  // the 1st is a Tuesday

TEST(MonthEdges, TheDateOfEveryCellAndTheDaysDrawn) {
  for (const int firstWeekday : {1, 2}) {
    const GridDates dates = DatesOfGrid(kDecember2026, firstWeekday);
    const sys_days first = firstWeekday == 1 ? sys_days{2026y / November / 29} : sys_days{2026y / November / 30};
    EXPECT_EQ(dates[0][0], first) << firstWeekday;
    EXPECT_EQ(dates[5][6], first + days{41}) << firstWeekday;
    EXPECT_EQ(DrawnDays(kDecember2026, firstWeekday, true), (DayRange{first, first + days{34}})) << "five weeks";
  }
  EXPECT_EQ(DrawnDays(kDecember2026, 1, false),
            (DayRange{sys_days{2026y / December / 1}, sys_days{2026y / December / 31}}));
  // February 2026 begins on a Sunday and fills four weeks exactly: nothing around it.
  EXPECT_EQ(DrawnDays(DateOf(2026y / February / 1), 1, true),
            (DayRange{sys_days{2026y / February / 1}, sys_days{2026y / February / 28}}));
}

TEST(MonthEdges, TheNeighbouringDaysAsTheirOwnMonthsShowThem) {
  const GridRules rules{};
  const MonthGrid grid = BuildMonthGrid(kDecember2026, rules);
  const MonthGrid around = AdjacentDaysGrid(kDecember2026, rules);
  EXPECT_EQ(WeeksOfMonth(grid), 5);
  const struct {
    int week, column;
    uint16_t day, weekday;
    bool holiday;
  } filled[] = {{0, 0, 29, 1, false}, {0, 1, 30, 2, false}, {4, 5, 1, 6, true}, {4, 6, 2, 7, false}};
  int count = 0;
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) {
      count += around[week][column].Day != 0;
      EXPECT_FALSE(around[week][column].Day != 0 && grid[week][column].Day != 0) << "a cell of the month";
      EXPECT_FALSE(around[week][column].TodayFlag);
    }
  }
  EXPECT_EQ(count, 4);
  for (const auto& f : filled) {
    EXPECT_EQ(around[f.week][f.column], (DayCell{f.day, f.weekday, f.holiday, false})) << f.week << f.column;
  }
  // Monday first, own days over the rules: a working day on New Year's Day is no holiday there.
  OwnDayList own("-2027-01-01 at work");
  const MonthGrid mondays = AdjacentDaysGrid(kDecember2026, {HolidayRuleSet::Table, 2, &own});
  EXPECT_EQ(mondays[0][0].Day, 30);
  EXPECT_EQ(mondays[4][4], (DayCell{1, 6, false, false}));
  EXPECT_EQ(mondays[4][6].Day, 3);
}

TEST(MonthEdges, IsoWeekNumbers) {
  const struct {
    year_month_day day;
    int week;
  } cases[] = {
      {2026y / January / 1, 1},   {2026y / December / 3, 49},  {2026y / December / 31, 53}, {2027y / January / 3, 53},
      {2027y / January / 4, 1},   {2020y / December / 31, 53}, {2021y / January / 3, 53},   {2021y / January / 4, 1},
      {2019y / December / 30, 1}, {2015y / December / 31, 53}, {2018y / December / 31, 1},  {2024y / December / 29, 52},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsoWeekNumber(sys_days{c.day}), c.week)
        << static_cast<int>(c.day.year()) << "-" << static_cast<unsigned>(c.day.month()) << "-"
        << static_cast<unsigned>(c.day.day());
  }
}

// With week numbers the rectangle has eight columns, the first theirs, as a title gives it eight rows.
TEST(MonthEdges, TheColumnOfWeekNumbers) {
  const CalendarLayout layout({10, 20, 10 + 8 * 30 + 5, 20 + 8 * 25 + 3}, true, true);
  EXPECT_EQ(layout.cellWidth, 30);
  EXPECT_EQ(layout.cellHeight, 25);
  EXPECT_EQ(layout.WeekHeaderCell(), (Rect{10, 45, 40, 70}));
  EXPECT_EQ(layout.HeaderCell(0), (Rect{40, 45, 70, 70}));
  EXPECT_EQ(layout.WeekCell(5), (Rect{10, 195, 40, 220}));
  EXPECT_EQ(layout.DayCell(5, 6), (Rect{220, 195, 250, 220}));
  EXPECT_EQ(CalendarLayout({0, 0, 70, 70}).DayCell(0, 0), (Rect{0, 10, 10, 20})) << "seven columns without";
}

// The mark of events without a line: at the number's bottom-left corner, inside the cell.
TEST(MonthEdges, TheMarkOfEventsWithoutALine) {
  EXPECT_EQ(EventMarkBox({0, 0, 40, 20}, {14, 4, 26, 16}, 9), (Rect{10, 13, 13, 16}));
  EXPECT_EQ(EventMarkBox({0, 0, 12, 20}, {1, 4, 11, 16}, 6), (Rect{0, 14, 2, 16})) << "never out of the cell";
}

}  // namespace
}  // namespace tezun
