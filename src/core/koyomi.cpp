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

}  // namespace

std::optional<OldDate> OldDateOn(sys_days day) {
  if (!InRange(day)) return std::nullopt;
  // The month is the last row that begins on or before the day; the first row holds the range's
  // first day, so there always is one.
  const std::span<const LunarMonthRow> months(kLunarMonths, kLunarMonthCount);
  const auto next = std::upper_bound(months.begin(), months.end(), day,
                                     [](sys_days d, const LunarMonthRow& row) { return d < FirstDayOf(row); });
  const LunarMonthRow& month = *(next - 1);
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
