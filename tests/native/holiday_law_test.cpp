#include "core/holiday_law.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/holiday_names.h"

namespace tezun {
namespace {

using namespace std::chrono;
namespace sjis = test::sjis;

const std::string kWorkingDay;

struct Case {
  year_month_day day;
  const std::string& name;
};

void ExpectNames(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(LawHolidayName(DateOf(c.day)).value_or(""), c.name)
        << static_cast<int>(c.day.year()) << '-' << static_cast<unsigned>(c.day.month()) << '-'
        << static_cast<unsigned>(c.day.day());
  }
}

TEST(HolidayLaw, ChangesOfTheLawAtTheirBoundaries) {
  ExpectNames({
      {1948y / May / 3, kWorkingDay},  // before the law
      {1948y / November / 3, sjis::kCultureDay},
      {1949y / January / 1, sjis::kNewYearsDay},
      {1959y / April / 10, sjis::kCrownPrinceAkihitosWedding},
      {1973y / February / 12, kWorkingDay},            // the Monday after a Sunday holiday, too early
      {1973y / April / 30, sjis::kSubstituteHoliday},  // the first substitute
      {1985y / May / 4, kWorkingDay},                  // a Saturday between two holidays, too early
      {1986y / May / 4, kWorkingDay},                  // a Sunday between two holidays
      {1987y / May / 4, sjis::kSubstituteHoliday},     // a Monday between them: the 3rd was a Sunday
      {1988y / May / 4, sjis::kCitizensHoliday},
      {1989y / February / 24, sjis::kEmperorShowasFuneral},
      {1989y / April / 29, sjis::kGreeneryDay},
      {1990y / November / 12, sjis::kEnthronementCeremony},
      {1993y / June / 9, sjis::kCrownPrinceNaruhitosWedding},
      {1999y / October / 11, sjis::kSubstituteHoliday},  // 10 October was a Sunday
      {2000y / January / 10, sjis::kComingOfAgeDay},
      {2000y / January / 15, kWorkingDay},
      {2000y / October / 9, sjis::kHealthAndSportsDay},
      {2002y / July / 20, sjis::kMarineDay},
      {2002y / September / 16, sjis::kSubstituteHoliday},
      {2003y / July / 21, sjis::kMarineDay},
      {2003y / September / 15, sjis::kAgedPeoplesDay},  // the third Monday
      {2003y / May / 4, kWorkingDay},                   // a Sunday between two holidays, before 2007
      {2003y / May / 6, kWorkingDay},                   // the Sunday was no holiday
      {2007y / April / 29, sjis::kShowaDay},
      {2007y / May / 4, sjis::kGreeneryDay},
      {2008y / May / 6, sjis::kSubstituteHoliday},  // a Tuesday: past the 5th, for the Sunday the 4th
      {2015y / August / 11, kWorkingDay},
      {2016y / August / 11, sjis::kMountainDay},
      {2018y / December / 24, sjis::kSubstituteHoliday},
      {2019y / February / 23, kWorkingDay},
      {2019y / April / 30, sjis::kCitizensHoliday},
      {2019y / May / 1, sjis::kEnthronementDay},
      {2019y / May / 2, sjis::kCitizensHoliday},
      {2019y / October / 22, sjis::kEnthronementCeremony},
      {2019y / December / 23, kWorkingDay},
      {2020y / February / 24, sjis::kSubstituteHoliday},
      {2020y / July / 20, kWorkingDay},
      {2020y / July / 23, sjis::kMarineDay},
      {2020y / July / 24, sjis::kSportsDay},
      {2020y / August / 10, sjis::kMountainDay},
      {2020y / August / 11, kWorkingDay},
      {2020y / October / 12, kWorkingDay},
      {2021y / July / 22, sjis::kMarineDay},
      {2021y / July / 23, sjis::kSportsDay},
      {2021y / August / 9, sjis::kSubstituteHoliday},  // for Mountain Day on Sunday the 8th
      {2021y / October / 11, kWorkingDay},
      {2022y / October / 10, sjis::kSportsDay},
  });
}

TEST(HolidayLaw, EquinoxDaysByTheApproximation) {
  ExpectNames({
      {1948y / March / 21, kWorkingDay},
      {1948y / September / 23, sjis::kAutumnalEquinoxDay},
      {1979y / September / 24, sjis::kAutumnalEquinoxDay},  // the form before 1980
      {1980y / September / 23, sjis::kAutumnalEquinoxDay},
      {2026y / March / 20, sjis::kVernalEquinoxDay},
  });
}

// To 2100 the days of the ephemeris's equinoxes, which the approximation misses in 2100 by a day
// each; beyond it the approximation.
TEST(HolidayLaw, EquinoxDaysOfTheEphemerisTo2100) {
  ExpectNames({
      {2100y / March / 20, sjis::kVernalEquinoxDay},
      {2100y / March / 19, kWorkingDay},
      {2100y / September / 23, sjis::kAutumnalEquinoxDay},
      {2100y / September / 22, kWorkingDay},
      {2100y / September / 21, kWorkingDay},  // no longer between 敬老の日 and an equinox on the 22nd
      {2101y / March / 20, sjis::kVernalEquinoxDay},
      {2101y / September / 22, sjis::kAutumnalEquinoxDay},
  });
}

TEST(HolidayLaw, SubstitutesAndDaysBetweenOnAnyWeekday) {
  ExpectNames({
      {2026y / May / 6, sjis::kSubstituteHoliday},  // Wednesday, after the holidays of the 4th and 5th
      {2019y / May / 6, sjis::kSubstituteHoliday},
      {2009y / September / 22, sjis::kCitizensHoliday},  // a Tuesday
      {2015y / September / 22, sjis::kCitizensHoliday},
      {2026y / September / 22, sjis::kCitizensHoliday},
      {2026y / May / 7, kWorkingDay},
  });
}

TEST(HolidayLaw, EdgesOfTheCalendar) {
  ExpectNames({{1y / January / 1, kWorkingDay}, {9999y / January / 1, sjis::kNewYearsDay}});
  EXPECT_FALSE(LawHolidayName(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(LawHolidayName(1e12));
  EXPECT_EQ(LawHolidayName(DateOf(2026y / May / 6) + 0.99).value_or(""), sjis::kSubstituteHoliday);
}

}  // namespace
}  // namespace tezun
