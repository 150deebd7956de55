// The month grid and the holiday rules over any date value: NaN, infinities, huge, negative and
// fractional values as well as every day of the years 1 to 9999. The grid holds the month's days
// in order from the weekday of the 1st, marks today once and no Sunday as a holiday; the time of
// day changes neither the grid nor whether the day is a holiday. Under the holiday law the grid
// marks exactly the days that are not Sundays and that the law makes holidays or days off.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "check.h"
#include "core/holiday_law.h"
#include "core/holidays.h"
#include "core/month_grid.h"

namespace {

using namespace std::chrono;
using tezun::DayCell;
using tezun::MonthGrid;
using tezun::TDateTime;

// Any bit pattern, a day of the years 1 to 9999 give or take a few, or a value at an edge.
TDateTime PickDate(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return std::bit_cast<double>(input.ConsumeIntegral<uint64_t>());
    case 1: {
      const int32_t day = input.ConsumeIntegralInRange<int32_t>(-693600, 2958470);
      return day + input.ConsumeFloatingPointInRange(-1.0, 1.0);
    }
    default:
      return input.PickValueInArray<double>({
          std::numeric_limits<double>::quiet_NaN(),
          -std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::max(),
          std::numeric_limits<double>::lowest(),
          std::numeric_limits<double>::denorm_min(),
          -0.0,
          -693593.0,       // 0001-01-01
          -693593.999999,  // still that day: the fraction goes toward zero
          -693594.0,       // the day before: out of range
          2958465.999999,  // 9999-12-31
          2958466.0,       // 10000-01-01: out of range
          1e12,
          -1e12,
      });
  }
}

// The same whole-day part (truncated toward zero) with another fraction; the date itself when no
// other fraction keeps that part, as near the limits of the double's precision.
TDateTime WithOtherFraction(TDateTime date, double fraction) {
  const double whole = std::trunc(date);
  const double other = whole + std::copysign(fraction, date);
  return std::trunc(other) == whole ? other : date;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned DaysInMonth(int y, unsigned m) {
  constexpr unsigned kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kLengths[m - 1];
}

// Checks the grid of the month of day against a holiday test that answers for the day numbers of
// that month: a holiday shows on its own day unless that is a Sunday, and a Sunday's holiday shows
// on the Monday after it within the month.
void CheckGrid(const MonthGrid& grid, sys_days day, const std::function<bool(unsigned)>& isHolidayOn) {
  const year_month_day ymd{day};
  const int y = static_cast<int>(ymd.year());
  const unsigned length = DaysInMonth(y, static_cast<unsigned>(ymd.month()));
  const unsigned firstColumn = weekday{sys_days{ymd.year() / ymd.month() / 1}}.c_encoding();
  const unsigned today = static_cast<unsigned>(ymd.day());

  int todays = 0;
  for (unsigned row = 0; row < 6; ++row) {
    for (unsigned column = 0; column < 7; ++column) {
      const DayCell& cell = grid[row][column];
      const unsigned index = row * 7 + column;
      if (index < firstColumn || index >= firstColumn + length) {
        FUZZ_CHECK(cell == DayCell{});
        continue;
      }
      const unsigned d = index - firstColumn + 1;
      FUZZ_CHECK(cell.Day == d);
      FUZZ_CHECK(cell.DayOfWeekNo == column + 1);
      FUZZ_CHECK(cell.TodayFlag == (d == today));
      todays += cell.TodayFlag;
      const bool substitute = column == 1 && d > 1 && isHolidayOn(d - 1);
      FUZZ_CHECK(cell.HolidayFlag == (column != 0 && (isHolidayOn(d) || substitute)));
    }
  }
  FUZZ_CHECK(todays == 1);
}

void CheckDate(TDateTime date, TDateTime sameDay, uint32_t holidayMask) {
  const auto day = tezun::CalendarDay(date);
  FUZZ_CHECK(tezun::CalendarDay(sameDay) == day);
  const bool holiday = tezun::IsHoliday(date);
  FUZZ_CHECK(tezun::IsHoliday(sameDay) == holiday);
  const auto lawName = tezun::LawHolidayName(date);
  FUZZ_CHECK(tezun::LawHolidayName(sameDay) == lawName);
  if (!day) {
    FUZZ_CHECK(!holiday && !lawName);
    FUZZ_CHECK(tezun::BuildMonthGrid(date) == MonthGrid{});
    FUZZ_CHECK(tezun::BuildMonthGrid(date, tezun::GridRules{tezun::HolidayRuleSet::Current}) == MonthGrid{});
    return;
  }
  const sys_days first{year_month_day{*day}.year() / year_month_day{*day}.month() / 1};
  auto dateOn = [&](unsigned d) { return tezun::DateOf(first + days{d - 1}); };

  // The real holidays.
  const MonthGrid grid = tezun::BuildMonthGrid(date);
  CheckGrid(grid, *day, [&](unsigned d) { return tezun::IsHoliday(dateOn(d)); });
  FUZZ_CHECK(tezun::BuildMonthGrid(sameDay) == grid);

  // The law: the same days, each marked by its own date, no Sunday marked.
  const MonthGrid law = tezun::BuildMonthGrid(date, tezun::GridRules{tezun::HolidayRuleSet::Current});
  for (unsigned row = 0; row < 6; ++row) {
    for (unsigned column = 0; column < 7; ++column) {
      const DayCell& cell = law[row][column];
      FUZZ_CHECK(cell.Day == grid[row][column].Day && cell.TodayFlag == grid[row][column].TodayFlag);
      if (cell.Day == 0) continue;
      FUZZ_CHECK(cell.HolidayFlag == (column != 0 && tezun::LawHolidayName(dateOn(cell.Day)).has_value()));
    }
  }

  // Holidays on the days the input names, which reach Sundays and month ends far more often; the
  // grid asks about each day once, in order, at midnight.
  auto named = [&](unsigned d) { return (holidayMask >> (d - 1) & 1) != 0; };
  std::vector<TDateTime> asked;
  const MonthGrid chosen = tezun::BuildMonthGrid(date, [&](TDateTime at) {
    asked.push_back(at);
    const auto askedDay = tezun::CalendarDay(at);
    FUZZ_CHECK(askedDay && *askedDay >= first);
    return named(static_cast<unsigned>((*askedDay - first).count()) + 1);
  });
  CheckGrid(chosen, *day, named);
  FUZZ_CHECK(asked.size() == DaysInMonth(static_cast<int>(year_month_day{*day}.year()),
                                         static_cast<unsigned>(year_month_day{*day}.month())));
  for (size_t i = 0; i < asked.size(); ++i) FUZZ_CHECK(asked[i] == dateOn(static_cast<unsigned>(i + 1)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const TDateTime date = PickDate(input);
  const TDateTime sameDay = WithOtherFraction(date, input.ConsumeProbability<double>() * 0.999);
  const uint32_t holidayMask = input.ConsumeIntegral<uint32_t>();
  CheckDate(date, sameDay, holidayMask);
  return 0;
}
