// The national holidays of Japan: a built-in rule table and the equinox formula.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar_date.h"

namespace tezun {

// One rule of the holiday table, in force from StartYear to EndYear (both inclusive).
struct THolidayList {
  uint16_t StartYear = 0;
  uint16_t EndYear = 0;  // 9999: no end
  uint16_t Month = 0;
  uint16_t Day = 0;          // 0: a weekday rule
  uint16_t WeekNo = 0;       // weekday rule: the WeekNo-th ...
  uint16_t DayOfWeekNo = 0;  // ... of this weekday (1 = Sunday) in the month
  std::string Name;
};

// Builds the table from its built-in text: 17 rows.
std::vector<THolidayList> LoadHolidayTable();

// The table, built once when the module is loaded.
extern const std::vector<THolidayList> HolidayTable;

// Whether the calendar day of the date is a national holiday, equinox days included. A holiday on
// a Sunday is reported on the Sunday itself; moving it to the Monday is the month grid's business.
bool IsHoliday(TDateTime date);

// The name of that holiday in Shift-JIS: the name of the row that gives it, or 春分の日 or 秋分の日
// for an equinox day that no row gives. Nothing exactly when IsHoliday reports no holiday.
std::optional<std::string_view> TableHolidayName(TDateTime date);

}  // namespace tezun
