#include "month_grid.h"

#include <optional>

#include "holiday_law.h"

namespace tezun {
namespace {

using namespace std::chrono;

// Marks by day of the month, 1 to 31.
using DayMarks = std::array<bool, 32>;

struct Month {
  sys_days first;
  unsigned length = 0;
  unsigned today = 0;
};

std::optional<Month> MonthOf(TDateTime today) {
  const auto day = CalendarDay(today);
  if (!day) return std::nullopt;
  const year_month_day ymd{*day};
  return Month{sys_days{ymd.year() / ymd.month() / 1}, static_cast<unsigned>((ymd.year() / ymd.month() / last).day()),
               static_cast<unsigned>(ymd.day())};
}

uint16_t WeekdayOf(const Month& month, unsigned d) { return DayOfWeekNo(month.first + days{d - 1}); }

// The table's marks: each holiday on its day, a Sunday's on the Monday after it when that Monday
// is in this month. isHoliday is asked about every day, in order.
DayMarks TableMarks(const Month& month, const std::function<bool(TDateTime)>& isHoliday) {
  DayMarks holidays{};
  for (unsigned d = 1; d <= month.length; ++d) {
    if (!isHoliday(DateOf(month.first + days{d - 1}))) continue;
    if (WeekdayOf(month, d) != 1) {
      holidays[d] = true;
    } else if (d < month.length) {
      holidays[d + 1] = true;
    }
  }
  return holidays;
}

// The user's own days over the marks of the holiday rules.
void ApplyOwnDays(const Month& month, const OwnDayList* ownDays, DayMarks& holidays) {
  if (!ownDays || ownDays->Entries().empty()) return;
  for (unsigned d = 1; d <= month.length; ++d) {
    switch (ownDays->KindOf(month.first + days{d - 1})) {
      case OwnDayKind::WorkingDay:
        holidays[d] = false;
        break;
      case OwnDayKind::DayOff:
        holidays[d] = holidays[d] || WeekdayOf(month, d) != 1;
        break;
      case OwnDayKind::None:
        break;
    }
  }
}

// The days in their cells, from the column of the 1st on, with their marks.
MonthGrid Lay(const Month& month, const DayMarks& holidays, int firstWeekday) {
  MonthGrid grid{};
  const int start = ColumnOfWeekday(WeekdayOf(month, 1), firstWeekday);
  for (unsigned d = 1; d <= month.length; ++d) {
    const unsigned at = start + d - 1;
    DayCell& cell = grid[at / 7][at % 7];
    cell.Day = static_cast<uint16_t>(d);
    cell.DayOfWeekNo = WeekdayOf(month, d);
    cell.HolidayFlag = holidays[d];
    cell.TodayFlag = d == month.today;
  }
  return grid;
}

}  // namespace

MonthGrid BuildMonthGrid(TDateTime today, const std::function<bool(TDateTime)>& isHoliday, int firstWeekday) {
  const auto month = MonthOf(today);
  if (!month) return MonthGrid{};
  return Lay(*month, TableMarks(*month, isHoliday), firstWeekday);
}

MonthGrid BuildMonthGrid(TDateTime today, const GridRules& rules) {
  const auto month = MonthOf(today);
  if (!month) return MonthGrid{};
  DayMarks holidays = rules.holidays == HolidayRuleSet::Table ? TableMarks(*month, IsHoliday) : DayMarks{};
  if (rules.holidays == HolidayRuleSet::Current) {
    for (unsigned d = 1; d <= month->length; ++d) {
      holidays[d] = WeekdayOf(*month, d) != 1 && LawHolidayName(DateOf(month->first + days{d - 1})).has_value();
    }
  }
  ApplyOwnDays(*month, rules.ownDays, holidays);
  return Lay(*month, holidays, rules.firstWeekday);
}

}  // namespace tezun
