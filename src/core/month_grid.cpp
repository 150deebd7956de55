#include "month_grid.h"

#include "holiday_law.h"

namespace tezun {

using namespace std::chrono;

MonthGrid BuildMonthGrid(TDateTime today, const std::function<bool(TDateTime)>& isHoliday) {
  MonthGrid grid{};
  const auto day = CalendarDay(today);
  if (!day) return grid;
  const year_month_day ymd{*day};
  const sys_days first{ymd.year() / ymd.month() / 1};
  const unsigned length = static_cast<unsigned>((ymd.year() / ymd.month() / last).day());
  const unsigned todayNumber = static_cast<unsigned>(ymd.day());

  size_t row = 0;
  uint16_t weekday = DayOfWeekNo(first);
  for (unsigned d = 1; d <= length; ++d) {
    DayCell& cell = grid[row][weekday - 1];
    cell.Day = static_cast<uint16_t>(d);
    cell.DayOfWeekNo = weekday;
    if (isHoliday(DateOf(first + days{d - 1}))) {
      // A Sunday's holiday is shown on the Monday after it, when that Monday is in this month.
      if (weekday != 1) {
        cell.HolidayFlag = true;
      } else if (d < length) {
        grid[row][1].HolidayFlag = true;
      }
    }
    cell.TodayFlag = d == todayNumber;
    if (++weekday > 7) {
      ++row;
      weekday = 1;
    }
  }
  return grid;
}

MonthGrid BuildMonthGrid(TDateTime today, HolidayRuleSet rules) {
  if (rules == HolidayRuleSet::Table) return BuildMonthGrid(today, IsHoliday);
  MonthGrid grid = BuildMonthGrid(today, [](TDateTime) { return false; });
  const auto day = CalendarDay(today);
  if (!day) return grid;
  const year_month_day ymd{*day};
  const sys_days first{ymd.year() / ymd.month() / 1};
  for (auto& row : grid) {
    for (DayCell& cell : row) {
      if (cell.Day == 0 || cell.DayOfWeekNo == 1) continue;
      cell.HolidayFlag = LawHolidayName(DateOf(first + days{cell.Day - 1})).has_value();
    }
  }
  return grid;
}

}  // namespace tezun
