// The two sets of holiday rules the calendar can follow, and the holidays of a year under either.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar_date.h"

namespace tezun {

// Table: the built-in table with its equinox formula (IsHoliday), the default. Current: the
// holiday law in force on each date, its days off included (LawHolidayName).
enum class HolidayRuleSet { Table, Current };

// The Shift-JIS name of the holiday or day off on the calendar day of the date under the rules;
// nothing for any other day.
std::optional<std::string_view> HolidayName(TDateTime date, HolidayRuleSet rules);

struct NamedDay {
  std::chrono::year_month_day date;
  std::string name;  // Shift-JIS
  bool operator==(const NamedDay&) const = default;
};

// Every day of the year that has a name under the rules, in date order. Nothing for a year
// outside 1 to 9999.
std::vector<NamedDay> HolidaysOfYear(int year, HolidayRuleSet rules);

}  // namespace tezun
