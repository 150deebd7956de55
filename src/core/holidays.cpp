#include "holidays.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "texts.h"

namespace tezun {
namespace {

using namespace std::chrono;

uint16_t Number(std::string_view field) {
  uint16_t value = 0;
  std::from_chars(field.data(), field.data() + field.size(), value);
  return value;
}

// The day of the month that a weekday rule names. The arithmetic is unsigned 16-bit, as the rules
// have always been computed: a result below 1 wraps to a large number and matches no day.
uint16_t WeekdayRuleDay(const THolidayList& rule, uint16_t firstDayOfWeek) {
  const uint16_t f = firstDayOfWeek, w = rule.DayOfWeekNo, n = rule.WeekNo;
  const uint16_t week = static_cast<uint16_t>(7 * (n - 1));
  return f <= w ? static_cast<uint16_t>(w - f + 1 + week) : static_cast<uint16_t>(w - f + 8 + week);
}

// Local reference moments of the 1997 equinoxes (03-20 22:55 and 09-23 08:56) as date values.
struct Equinox {
  double reference;
  const char* name;
};
constexpr std::array<Equinox, 2> kEquinoxes1997 = {{
    {35509.0 + 1375.0 / 1440.0, kVernalEquinoxDay},
    {35696.0 + 536.0 / 1440.0, kAutumnalEquinoxDay},
}};
constexpr double kTropicalYear = 365.2422;

}  // namespace

std::vector<THolidayList> LoadHolidayTable() {
  std::vector<THolidayList> table(17);
  std::string_view text(kHolidayTableText, kHolidayTableTextSize);
  for (size_t row = 0; row < table.size() && !text.empty(); ++row) {
    const size_t lineEnd = text.find("\r\n");
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 2);

    std::array<std::string_view, 7> fields;
    for (size_t i = 0; i < fields.size(); ++i) {
      const size_t comma = i + 1 < fields.size() ? line.find(',') : std::string_view::npos;
      fields[i] = line.substr(0, comma);
      line.remove_prefix(comma == std::string_view::npos ? line.size() : comma + 1);
    }
    THolidayList& rule = table[row];
    rule.StartYear = Number(fields[0]);
    rule.EndYear = Number(fields[1]);
    rule.Month = Number(fields[2]);
    rule.Day = Number(fields[3]);
    rule.WeekNo = Number(fields[4]);
    rule.DayOfWeekNo = Number(fields[5]);
    rule.Name = fields[6];
  }
  return table;
}

const std::vector<THolidayList> HolidayTable = LoadHolidayTable();

bool IsHoliday(TDateTime date) { return TableHolidayName(date).has_value(); }

std::optional<std::string_view> TableHolidayName(TDateTime date) {
  const auto day = CalendarDay(date);
  if (!day) return std::nullopt;
  const year_month_day ymd{*day};
  const auto y = static_cast<uint16_t>(static_cast<int>(ymd.year()));
  const auto m = static_cast<uint16_t>(static_cast<unsigned>(ymd.month()));
  const auto d = static_cast<uint16_t>(static_cast<unsigned>(ymd.day()));

  const uint16_t firstDayOfWeek = DayOfWeekNo(sys_days{ymd.year() / ymd.month() / 1});
  for (const THolidayList& rule : HolidayTable) {
    if (rule.Month != m) continue;
    if (rule.Day != d && rule.Day != 0) continue;
    if (rule.StartYear > y || y > rule.EndYear) continue;
    if (rule.Day != 0 || WeekdayRuleDay(rule, firstDayOfWeek) == d) return rule.Name;
  }

  const double wholeDays = std::trunc(date);
  for (const Equinox& equinox : kEquinoxes1997) {
    const double moment = equinox.reference + (static_cast<int>(y) - 1997) * kTropicalYear;
    if (std::trunc(moment) == wholeDays) return equinox.name;
  }
  return std::nullopt;
}

}  // namespace tezun
