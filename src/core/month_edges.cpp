#include "month_edges.h"

#include <optional>

namespace tezun {

using namespace std::chrono;

namespace {

std::optional<year_month_day> MonthOf(TDateTime today) {
  const auto day = CalendarDay(today);
  if (!day) return std::nullopt;
  return year_month_day{*day};
}

sys_days FirstCell(const year_month_day& month, int firstWeekday) {
  const sys_days first{month.year() / month.month() / 1};
  return first - days{ColumnOfWeekday(DayOfWeekNo(first), firstWeekday)};
}

}  // namespace

GridDates DatesOfGrid(TDateTime today, int firstWeekday) {
  GridDates dates{};
  const auto month = MonthOf(today);
  if (!month) return dates;
  const sys_days first = FirstCell(*month, firstWeekday);
  for (int week = 0; week < 6; ++week) {
    for (int column = 0; column < 7; ++column) dates[week][column] = first + days{week * 7 + column};
  }
  return dates;
}

int WeeksOfMonth(const MonthGrid& grid) {
  int weeks = 0;
  for (int week = 0; week < 6; ++week) {
    for (const DayCell& cell : grid[week]) weeks = cell.Day != 0 ? week + 1 : weeks;
  }
  return weeks;
}

MonthGrid AdjacentDaysGrid(TDateTime today, const GridRules& rules) {
  MonthGrid adjacent{};
  const auto month = MonthOf(today);
  if (!month) return adjacent;
  const sys_days first{month->year() / month->month() / 1};
  const sys_days last{month->year() / month->month() / std::chrono::last};
  const MonthGrid grid = BuildMonthGrid(today, rules);
  // The days as their own months show them.
  const MonthGrid before = BuildMonthGrid(DateOf(first - days{1}), rules);
  const MonthGrid after = BuildMonthGrid(DateOf(last + days{1}), rules);
  const GridDates dates = DatesOfGrid(today, rules.firstWeekday);
  const int weeks = WeeksOfMonth(grid);
  for (const int week : {0, weeks - 1}) {
    if (week < 0) continue;
    for (int column = 0; column < 7; ++column) {
      if (grid[week][column].Day != 0) continue;
      const sys_days date = dates[week][column];
      const auto day = static_cast<unsigned>(year_month_day{date}.day());
      for (const auto& row : date < first ? before : after) {
        for (const DayCell& cell : row) {
          if (cell.Day != day) continue;
          adjacent[week][column] = cell;
          adjacent[week][column].TodayFlag = false;
        }
      }
    }
  }
  return adjacent;
}

int IsoWeekNumber(sys_days day) {
  const sys_days thursday = day + days{4 - static_cast<int>(weekday{day}.iso_encoding())};
  const sys_days newYear{year_month_day{thursday}.year() / January / 1};
  return static_cast<int>((thursday - newYear).count() / 7 + 1);
}

DayRange DrawnDays(TDateTime today, int firstWeekday, bool adjacent) {
  const auto month = MonthOf(today);
  if (!month) return {};
  const sys_days first{month->year() / month->month() / 1}, last{month->year() / month->month() / std::chrono::last};
  if (!adjacent) return {first, last};
  const sys_days firstCell = FirstCell(*month, firstWeekday);
  const int lastColumn = static_cast<int>((last - firstCell).count());
  return {firstCell, firstCell + days{lastColumn / 7 * 7 + 6}};
}

}  // namespace tezun
