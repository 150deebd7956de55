#include "koyomi.h"

#include <algorithm>
#include <charconv>
#include <span>

#include "koyomi_table.h"
#include "texts.h"

namespace tezun {

using namespace std::chrono;

namespace {

sys_days FirstDayOf(const LunarMonthRow& row) {
  return sys_days{year{static_cast<int>(row.year)} / month{row.month} / std::chrono::day{row.day}};
}

bool InRange(sys_days day) { return day >= kKoyomiFirstDay && day <= kKoyomiLastDay; }

void AppendNumber(std::string& text, int number) {
  char digits[12];
  const auto result = std::to_chars(digits, digits + sizeof digits, number);
  text.append(digits, result.ptr);
}

// The month is the last row that begins on or before the day; the first row holds the range's
// first day, so there always is one for a day of the range.
const LunarMonthRow& MonthOf(sys_days day) {
  const std::span<const LunarMonthRow> months(kLunarMonths, kLunarMonthCount);
  const auto next = std::upper_bound(months.begin(), months.end(), day,
                                     [](sys_days d, const LunarMonthRow& row) { return d < FirstDayOf(row); });
  return *(next - 1);
}

}  // namespace

std::optional<OldDate> OldDateOn(sys_days day) {
  if (!InRange(day)) return std::nullopt;
  const LunarMonthRow& month = MonthOf(day);
  const int dayOfMonth = static_cast<int>((day - FirstDayOf(month)).count()) + 1;
  return OldDate{static_cast<int>(month.number), month.leap != 0, dayOfMonth};
}

Rokuyo RokuyoOf(const OldDate& date) { return static_cast<Rokuyo>((date.month + date.day) % 6); }

std::optional<int> SolarTermOn(sys_days day) {
  if (!InRange(day)) return std::nullopt;
  const year_month_day date{day};
  const SolarTermYear& terms = kSolarTermDays[static_cast<int>(date.year()) - kSolarTermFirstYear];
  // Each civil month holds two terms, the first of them in January 小寒 (index 0).
  const int first = 2 * (static_cast<int>(static_cast<unsigned>(date.month())) - 1);
  for (int term : {first, first + 1}) {
    if (terms.day[term] == static_cast<unsigned>(date.day())) return term;
  }
  return std::nullopt;
}

std::optional<sys_days> SolarTermDay(int y, int term) {
  if (y < kSolarTermFirstYear || y > static_cast<int>(year_month_day{kKoyomiLastDay}.year())) return std::nullopt;
  const unsigned civilMonth = static_cast<unsigned>(term / 2 + 1);
  return sys_days{year{y} / month{civilMonth} / std::chrono::day{kSolarTermDays[y - kSolarTermFirstYear].day[term]}};
}

std::optional<MoonPhase> MoonPhaseOn(sys_days day) {
  if (!InRange(day)) return std::nullopt;
  const LunarMonthRow& month = MonthOf(day);
  const auto after = (day - FirstDayOf(month)).count();
  // The quarters' days after the first, from the row's three digits (see LunarMonthRow).
  const unsigned digits = month.quarters;
  if (after == 0) return MoonPhase::New;
  if (after == digits / 100) return MoonPhase::FirstQuarter;
  if (after == digits / 10 % 10 + 10) return MoonPhase::Full;
  if (after == digits % 10 + 20) return MoonPhase::LastQuarter;
  return std::nullopt;
}

std::string OldDateText(const OldDate& date) {
  std::string text = kOldCalendarMark;
  if (date.leap) text += kLeapMonthMark;
  AppendNumber(text, date.month);
  text += kMonthSuffix;
  AppendNumber(text, date.day);
  text += kDaySuffix;
  return text;
}

}  // namespace tezun
