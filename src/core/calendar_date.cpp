#include "calendar_date.h"

#include <cmath>

namespace tezun {

namespace {
// 0001-01-01 and 9999-12-31 as date values.
constexpr double kFirstDate = -693593.0;
constexpr double kLastDate = 2958465.0;
}  // namespace

std::optional<std::chrono::sys_days> CalendarDay(TDateTime date) {
  if (!std::isfinite(date) || date <= kFirstDate - 1 || date >= kLastDate + 1) return std::nullopt;
  return kDateEpoch + std::chrono::days{static_cast<int32_t>(std::trunc(date))};
}

TDateTime DateOf(std::chrono::sys_days day) { return static_cast<TDateTime>((day - kDateEpoch).count()); }

}  // namespace tezun
