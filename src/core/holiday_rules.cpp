#include "holiday_rules.h"

#include "holiday_law.h"
#include "holidays.h"

namespace tezun {

using namespace std::chrono;

std::optional<std::string_view> HolidayName(TDateTime date, HolidayRuleSet rules) {
  return rules == HolidayRuleSet::Current ? LawHolidayName(date) : TableHolidayName(date);
}

std::vector<NamedDay> HolidaysOfYear(int y, HolidayRuleSet rules) {
  std::vector<NamedDay> found;
  if (y < 1 || y > 9999) return found;
  const sys_days end{year{y} / December / 31};
  for (sys_days day{year{y} / January / 1}; day <= end; day += days{1}) {
    if (const auto name = HolidayName(DateOf(day), rules)) found.push_back({year_month_day{day}, std::string(*name)});
  }
  return found;
}

}  // namespace tezun
