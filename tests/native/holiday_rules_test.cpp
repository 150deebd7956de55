#include "core/holiday_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/holiday_names.h"

namespace tezun {
namespace {

using namespace std::chrono;
namespace sjis = test::sjis;

// The listed days of the year, or of one month of it, as month * 100 + day with their names.
using Listing = std::vector<std::pair<unsigned, std::string>>;
Listing Listed(int y, HolidayRuleSet rules, unsigned onlyMonth = 0) {
  Listing listing;
  for (const NamedDay& entry : HolidaysOfYear(y, rules)) {
    const unsigned m = static_cast<unsigned>(entry.date.month());
    if (onlyMonth == 0 || m == onlyMonth)
      listing.emplace_back(m * 100 + static_cast<unsigned>(entry.date.day()), entry.name);
  }
  return listing;
}

TEST(HolidaysOfYear, TheTableIn2026) {
  const Listing expected = {
      {101, sjis::kNewYearsDay},
      {112, sjis::kComingOfAgeDay},
      {211, sjis::kFoundationDayOfTheTable},
      {320, sjis::kVernalEquinoxDay},
      {429, sjis::kGreeneryDay},
      {503, sjis::kConstitutionDay},
      {504, sjis::kCitizensHoliday},
      {505, sjis::kChildrensDay},
      {720, sjis::kMarineDay},
      {921, sjis::kAgedPeoplesDay},
      {923, sjis::kAutumnalEquinoxDay},
      {1012, sjis::kHealthAndSportsDay},
      {1103, sjis::kCultureDay},
      {1123, sjis::kLabourThanksgivingDay},
      {1223, sjis::kEmperorsBirthday},
  };
  EXPECT_EQ(Listed(2026, HolidayRuleSet::Table), expected);
}

TEST(HolidaysOfYear, TheLawIn2026) {
  const Listing expected = {
      {101, sjis::kNewYearsDay},       {112, sjis::kComingOfAgeDay},   {211, sjis::kFoundationDay},
      {223, sjis::kEmperorsBirthday},  {320, sjis::kVernalEquinoxDay}, {429, sjis::kShowaDay},
      {503, sjis::kConstitutionDay},   {504, sjis::kGreeneryDay},      {505, sjis::kChildrensDay},
      {506, sjis::kSubstituteHoliday}, {720, sjis::kMarineDay},        {811, sjis::kMountainDay},
      {921, sjis::kAgedPeoplesDay},    {922, sjis::kCitizensHoliday},  {923, sjis::kAutumnalEquinoxDay},
      {1012, sjis::kSportsDay},        {1103, sjis::kCultureDay},      {1123, sjis::kLabourThanksgivingDay},
  };
  EXPECT_EQ(Listed(2026, HolidayRuleSet::Current), expected);
}

TEST(HolidaysOfYear, TheAutumnalEquinoxOf2012DiffersBetweenTheRuleSets) {
  EXPECT_EQ(Listed(2012, HolidayRuleSet::Table, 9),
            (Listing{{917, sjis::kAgedPeoplesDay}, {923, sjis::kAutumnalEquinoxDay}}));
  EXPECT_EQ(Listed(2012, HolidayRuleSet::Current, 9),
            (Listing{{917, sjis::kAgedPeoplesDay}, {922, sjis::kAutumnalEquinoxDay}}));
}

TEST(HolidaysOfYear, YearsOneTo9999) {
  EXPECT_EQ(Listed(1, HolidayRuleSet::Table),
            (Listing{{322, sjis::kVernalEquinoxDay}, {924, sjis::kAutumnalEquinoxDay}}))
      << "the table's formula has no years";
  EXPECT_TRUE(HolidaysOfYear(1, HolidayRuleSet::Current).empty());
  EXPECT_EQ(Listed(9999, HolidayRuleSet::Current).front(), (std::pair<unsigned, std::string>{101, sjis::kNewYearsDay}));
  EXPECT_TRUE(HolidaysOfYear(0, HolidayRuleSet::Table).empty());
  EXPECT_TRUE(HolidaysOfYear(10000, HolidayRuleSet::Current).empty());
}

}  // namespace
}  // namespace tezun
