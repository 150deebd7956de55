// The month as the calendar shows it: six week rows of seven weekday columns, Sunday or Monday
// first, each day marked as holiday (substitute Mondays or the law's days off included) and as
// today.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "calendar_date.h"
#include "holiday_rules.h"
#include "holidays.h"
#include "own_days.h"

namespace tezun {

struct DayCell {
  uint16_t Day = 0;          // 1 to 31; 0: the cell holds no day
  uint16_t DayOfWeekNo = 0;  // 1 = Sunday to 7 = Saturday, whichever column the cell is in
  bool HolidayFlag = false;  // drawn in the holiday font
  bool TodayFlag = false;
  bool operator==(const DayCell&) const = default;
};

using MonthGrid = std::array<std::array<DayCell, 7>, 6>;  // [row][column]

// The column of a weekday (1 = Sunday to 7 = Saturday) in a week that starts on `firstWeekday`
// (1 Sunday, 2 Monday).
constexpr int ColumnOfWeekday(int weekday, int firstWeekday) { return (weekday - firstWeekday + 7) % 7; }
// The other way: the weekday shown in a column.
constexpr int WeekdayOfColumn(int column, int firstWeekday) { return (column + firstWeekday - 1) % 7 + 1; }

// The grid of today's month. isHoliday is asked once for each day, in order, at midnight. A
// holiday on a Sunday is shown on the Monday after it, when that Monday is in this month (in the
// next row when the week starts on Monday).
MonthGrid BuildMonthGrid(TDateTime today, const std::function<bool(TDateTime)>& isHoliday = IsHoliday,
                         int firstWeekday = 1);

// What decides the grid besides the date.
struct GridRules {
  HolidayRuleSet holidays = HolidayRuleSet::Table;
  int firstWeekday = 1;                 // 1 Sunday first, 2 Monday first
  const OwnDayList* ownDays = nullptr;  // the user's own days, or none
};

// The grid under a set of rules: under the table as above, with IsHoliday. Under the law every day
// that is a holiday or a day off is marked by its own date, Sundays excepted, which are drawn as
// Sundays: the law gives their days off itself, so no mark moves to a Monday. Over either, the
// user's own days: a working day is never marked, whatever the rules say; an own day off is,
// unless it is a Sunday; own days have no substitutes.
MonthGrid BuildMonthGrid(TDateTime today, const GridRules& rules);

}  // namespace tezun
