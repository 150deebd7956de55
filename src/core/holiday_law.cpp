#include "holiday_law.h"

#include <cmath>

#include "koyomi.h"
#include "texts.h"

namespace tezun {
namespace {

using namespace std::chrono;

// A holiday on a fixed date, or on the NthMonday-th Monday of its month when Day is 0, in the years
// From to To (both inclusive). The law began on 20 July 1948, so its 1948 rows are the autumn ones.
struct DatedHoliday {
  int From;
  int To;
  unsigned Month;
  unsigned Day;
  unsigned NthMonday;
  const char* Name;
};

constexpr int kNoEnd = 9999;

constexpr DatedHoliday kDatedHolidays[] = {
    {1949, kNoEnd, 1, 1, 0, kNewYearsDay},
    {1949, 1999, 1, 15, 0, kComingOfAgeDay},
    {2000, kNoEnd, 1, 0, 2, kComingOfAgeDay},
    {1967, kNoEnd, 2, 11, 0, kFoundationDay},
    {2020, kNoEnd, 2, 23, 0, kEmperorsBirthday},
    {1949, 1988, 4, 29, 0, kEmperorsBirthday},
    {1989, 2006, 4, 29, 0, kGreeneryDay},
    {2007, kNoEnd, 4, 29, 0, kShowaDay},
    {1949, kNoEnd, 5, 3, 0, kConstitutionDay},
    {2007, kNoEnd, 5, 4, 0, kGreeneryDay},
    {1949, kNoEnd, 5, 5, 0, kChildrensDay},
    {1996, 2002, 7, 20, 0, kMarineDay},
    {2003, 2019, 7, 0, 3, kMarineDay},
    {2022, kNoEnd, 7, 0, 3, kMarineDay},
    {2016, 2019, 8, 11, 0, kMountainDay},
    {2022, kNoEnd, 8, 11, 0, kMountainDay},
    {1966, 2002, 9, 15, 0, kAgedPeoplesDay},
    {2003, kNoEnd, 9, 0, 3, kAgedPeoplesDay},
    {1966, 1999, 10, 10, 0, kHealthAndSportsDay},
    {2000, 2019, 10, 0, 2, kHealthAndSportsDay},
    {2022, kNoEnd, 10, 0, 2, kSportsDay},
    {1948, kNoEnd, 11, 3, 0, kCultureDay},
    {1948, kNoEnd, 11, 23, 0, kLabourThanksgivingDay},
    {1989, 2018, 12, 23, 0, kEmperorsBirthday},
    // The Olympic years moved three holidays to the days around the opening and closing ceremonies.
    {2020, 2020, 7, 23, 0, kMarineDay},
    {2020, 2020, 7, 24, 0, kSportsDay},
    {2020, 2020, 8, 10, 0, kMountainDay},
    {2021, 2021, 7, 22, 0, kMarineDay},
    {2021, 2021, 7, 23, 0, kSportsDay},
    {2021, 2021, 8, 8, 0, kMountainDay},
    // Single days, each made a holiday by a law of its own.
    {1959, 1959, 4, 10, 0, kCrownPrinceAkihitosWedding},
    {1989, 1989, 2, 24, 0, kEmperorShowasFuneral},
    {1990, 1990, 11, 12, 0, kEnthronementCeremony},
    {1993, 1993, 6, 9, 0, kCrownPrinceNaruhitosWedding},
    {2019, 2019, 5, 1, 0, kEnthronementDay},
    {2019, 2019, 10, 22, 0, kEnthronementCeremony},
};

// An equinox day from the year From. From 1900 to 2100 it is the day of the equinox in the
// traditional calendar's table, which the ephemeris gives; the published approximation, which
// misses 2100 by a day, serves the years beyond. Before 1980 the approximation has its own
// constant and counts leap years from 1983.
struct EquinoxHoliday {
  int From;
  unsigned Month;
  int Term;  // the solar term in the table: 春分 or 秋分
  double ConstantBefore1980;
  double ConstantFrom1980;
  const char* Name;
};

constexpr EquinoxHoliday kEquinoxHolidays[] = {
    {1949, 3, 5, 20.8357, 20.8431, kVernalEquinoxDay},
    {1948, 9, 17, 23.2588, 23.2488, kAutumnalEquinoxDay},
};

constexpr sys_days kSubstitutesBegin{1973y / April / 12};
constexpr sys_days kDaysBetweenBegin{1985y / December / 27};
// The 2007 amendment: substitutes move past further holidays, and a day between two holidays may
// also be a Sunday.
constexpr sys_days kAmendment2007{2007y / January / 1};

bool Matches(const DatedHoliday& rule, const year_month_day& date) {
  const int y = static_cast<int>(date.year());
  if (y < rule.From || y > rule.To || date.month() != month{rule.Month}) return false;
  if (rule.Day != 0) return date.day() == day{rule.Day};
  return sys_days{date} == sys_days{date.year() / date.month() / Monday[rule.NthMonday]};
}

// Integer division truncates toward zero, as the approximation's inner truncation does.
int EquinoxDayOfMonth(const EquinoxHoliday& rule, int y) {
  if (const auto term = SolarTermDay(y, rule.Term)) {
    return static_cast<int>(static_cast<unsigned>(year_month_day{*term}.day()));
  }
  const bool before1980 = y < 1980;
  const double constant = before1980 ? rule.ConstantBefore1980 : rule.ConstantFrom1980;
  const int leapDays = (y - (before1980 ? 1983 : 1980)) / 4;
  return static_cast<int>(std::trunc(constant + 0.242194 * (y - 1980) - leapDays));
}

// A national holiday proper, one-off ones included; days off that only follow from holidays are
// not. Null for any other day. In the far years where an equinox day falls on a Monday holiday,
// the day keeps the Monday holiday's name.
const char* HolidayOf(sys_days date) {
  const year_month_day ymd{date};
  for (const DatedHoliday& rule : kDatedHolidays) {
    if (Matches(rule, ymd)) return rule.Name;
  }
  // From about the year 4500 the approximation drifts out of its month; a day that the month does
  // not have makes a year without that equinox day.
  const int y = static_cast<int>(ymd.year());
  for (const EquinoxHoliday& rule : kEquinoxHolidays) {
    if (y >= rule.From && ymd.month() == month{rule.Month} &&
        static_cast<int>(static_cast<unsigned>(ymd.day())) == EquinoxDayOfMonth(rule, y)) {
      return rule.Name;
    }
  }
  return nullptr;
}

bool IsHolidayProper(sys_days date) { return HolidayOf(date) != nullptr; }

// Looks back over the holidays just before the day for the Sunday that gives it. Until 2007 only
// the Monday right after that Sunday is a day off; from 2007 the first day after it that is no
// holiday. A run of holidays is a few days long, so the look back is short.
bool IsSubstitute(sys_days date) {
  if (IsHolidayProper(date)) return false;
  for (sys_days before = date - days{1}; IsHolidayProper(before); before -= days{1}) {
    if (weekday{before} != Sunday) continue;
    if (before >= kAmendment2007) return true;
    return before >= kSubstitutesBegin && before == date - days{1};
  }
  return false;
}

// Substitutes are told first, so a day that is both is named as a substitute; until 2007 the law
// made it one, and not a day between.
bool IsBetweenHolidays(sys_days date) {
  if (date < kDaysBetweenBegin || IsHolidayProper(date)) return false;
  if (!IsHolidayProper(date - days{1}) || !IsHolidayProper(date + days{1})) return false;
  return date >= kAmendment2007 || weekday{date} != Sunday;
}

}  // namespace

std::optional<std::string_view> LawHolidayName(TDateTime date) {
  const auto day = CalendarDay(date);
  if (!day) return std::nullopt;
  if (const char* name = HolidayOf(*day)) return name;
  if (IsSubstitute(*day)) return kSubstituteHoliday;
  if (IsBetweenHolidays(*day)) return kCitizensHoliday;
  return std::nullopt;
}

}  // namespace tezun
