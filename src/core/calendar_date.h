// The date type shared by the calendar: days since 1899-12-30 00:00 as a double, the time of day
// as its fraction. The calendar arithmetic itself is <chrono>'s.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace tezun {

using TDateTime = double;

inline constexpr std::chrono::sys_days kDateEpoch{std::chrono::year{1899} / 12 / 30};

// The calendar day of a date: its whole-day part, the fraction dropped (toward zero). Nothing for
// values outside the years 1 to 9999 or not finite.
std::optional<std::chrono::sys_days> CalendarDay(TDateTime date);

// The date value of a day, midnight.
TDateTime DateOf(std::chrono::sys_days day);
inline TDateTime DateOf(std::chrono::year_month_day day) { return DateOf(std::chrono::sys_days{day}); }

// 1 = Sunday to 7 = Saturday.
inline uint16_t DayOfWeekNo(std::chrono::sys_days day) {
  return static_cast<uint16_t>(std::chrono::weekday{day}.c_encoding() + 1);
}

}  // namespace tezun
