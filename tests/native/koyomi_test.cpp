#include "core/koyomi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/texts.h"
#include "support/bytes.h"

namespace tezun {
namespace {

using namespace std::chrono;
using test::Bytes;

constexpr int kShokan = 0, kRisshun = 2, kToji = 23;  // 小寒, 立春, 冬至

std::string Text(sys_days day) {
  const year_month_day date{day};
  return std::to_string(static_cast<int>(date.year())) + "-" + std::to_string(static_cast<unsigned>(date.month())) +
         "-" + std::to_string(static_cast<unsigned>(date.day()));
}

struct KnownDay {
  year_month_day day{};
  OldDate old;
  Rokuyo rokuyo = Rokuyo::Taian;
  std::optional<int> term;
  const char* why = "";
};

TEST(Koyomi, KnownDays) {
  const KnownDay cases[] = {
      {2017y / 2 / 26, {2, false, 1}, Rokuyo::Tomobiki, {}, "the new moon at 23:58 JST begins the month"},
      {2017y / 2 / 25, {1, false, 29}, Rokuyo::Taian, {}, "the last day of the month before it"},
      {2027y / 2 / 7, {1, false, 1}, Rokuyo::Sensho, {}, "旧正月 in JST (Beijing's is a day earlier)"},
      {2027y / 2 / 6, {12, false, 30}, Rokuyo::Taian, {}, "the day before 旧正月"},
      {2012y / 4 / 21, {3, true, 1}, Rokuyo::Senbu, {}, "閏3月 in 2012, not 閏4月"},
      {2012y / 5 / 20, {3, true, 30}, Rokuyo::Tomobiki, {}, "the last day of 閏3月"},
      {2012y / 5 / 21, {4, false, 1}, Rokuyo::Butsumetsu, {9}, "4月 after 閏3月, on 小満"},
      {2033y / 12 / 21, {11, false, 30}, Rokuyo::Butsumetsu, {kToji}, "冬至 on the last day of 11月"},
      {2033y / 12 / 22, {11, true, 1}, Rokuyo::Taian, {}, "閏11月 of the 2033 problem"},
      {2034y / 1 / 19, {11, true, 29}, Rokuyo::Senbu, {}, "the last day of 閏11月"},
      {2034y / 1 / 20, {12, false, 1}, Rokuyo::Shakku, {1}, "12月 after 閏11月, on 大寒"},
      {2026y / 2 / 4, {12, false, 17}, Rokuyo::Butsumetsu, {kRisshun}, "立春 of 2026"},
      {2023y / 3 / 22, {2, true, 1}, Rokuyo::Tomobiki, {}, "閏2月 of 2023"},
      {2025y / 7 / 25, {6, true, 1}, Rokuyo::Shakku, {}, "閏6月 of 2025"},
      {1900y / 1 / 1, {12, false, 1}, Rokuyo::Shakku, {}, "the first day of the range"},
      {1900y / 1 / 6, {12, false, 6}, Rokuyo::Taian, {kShokan}, "小寒 of the range's first year"},
      {2100y / 12 / 30, {11, false, 30}, Rokuyo::Butsumetsu, {}, "the last day of 11月 in 2100"},
      {2100y / 12 / 31, {12, false, 1}, Rokuyo::Shakku, {}, "the last day of the range"},
  };
  for (const KnownDay& c : cases) {
    const sys_days day{c.day};
    EXPECT_EQ(OldDateOn(day), c.old) << Text(day) << ": " << c.why;
    EXPECT_EQ(RokuyoOf(c.old), c.rokuyo) << Text(day);
    EXPECT_EQ(SolarTermOn(day), c.term) << Text(day);
  }
}

TEST(Koyomi, NothingOutsideTheRange) {
  for (const sys_days day :
       {kKoyomiFirstDay - days{1}, kKoyomiLastDay + days{1}, sys_days{1899y / 1 / 6}, sys_days{2101y / 1 / 5},
        sys_days{year{-30000} / 1 / 1}, sys_days{year{30000} / 12 / 22}}) {
    EXPECT_EQ(OldDateOn(day), std::nullopt) << Text(day);
    EXPECT_EQ(SolarTermOn(day), std::nullopt) << Text(day);
  }
  EXPECT_TRUE(OldDateOn(kKoyomiFirstDay).has_value());
  EXPECT_TRUE(OldDateOn(kKoyomiLastDay).has_value());
}

// The 六曜 of a month's first day by the almanacs' own list, month by month from 1月: 先勝, 友引,
// 先負, 仏滅, 大安, 赤口, and again from 7月.
constexpr Rokuyo kFirstDayRokuyo[12] = {Rokuyo::Sensho, Rokuyo::Tomobiki,   Rokuyo::Senbu,  Rokuyo::Butsumetsu,
                                        Rokuyo::Taian,  Rokuyo::Shakku,     Rokuyo::Sensho, Rokuyo::Tomobiki,
                                        Rokuyo::Senbu,  Rokuyo::Butsumetsu, Rokuyo::Taian,  Rokuyo::Shakku};

// 中気 are the odd terms: 大寒, 雨水, 春分, ... 冬至.
bool IsChuki(std::optional<int> term) { return term && *term % 2 == 1; }

// Every day of the range: months of 29 or 30 days numbered in order, 12 or 13 of them from one
// 冬至 month to the next with exactly one leap month among 13 and none among 12, a leap month
// without 中気, the 六曜 of each first day as the almanacs list it, and 24 terms a year 14 to 16
// days apart.
TEST(Koyomi, InvariantsOverTheWholeRange) {
  OldDate previous = *OldDateOn(kKoyomiFirstDay);
  int monthsSinceSolstice = -1, leapMonthsSinceSolstice = 0, termsThisYear = 0, solsticeSpans = 0;
  bool chukiThisMonth = false;
  std::optional<sys_days> lastTerm;
  for (sys_days day = kKoyomiFirstDay; day <= kKoyomiLastDay; day += days{1}) {
    const std::optional<OldDate> old = OldDateOn(day);
    ASSERT_TRUE(old.has_value()) << Text(day);
    const std::optional<int> term = SolarTermOn(day);
    if (day != kKoyomiFirstDay && old->day == 1) {  // a month begins
      ASSERT_TRUE(previous.day == 29 || previous.day == 30) << "the month before " << Text(day) << ": " << previous.day;
      if (previous.leap) {
        ASSERT_FALSE(chukiThisMonth) << "a leap month with 中気 before " << Text(day);
      }
      if (old->leap) {
        ASSERT_EQ(old->month, previous.month) << Text(day);
        ASSERT_FALSE(previous.leap) << Text(day);
        ++leapMonthsSinceSolstice;
      } else {
        ASSERT_EQ(old->month, previous.month % 12 + 1) << Text(day);
      }
      ASSERT_EQ(RokuyoOf(*old), kFirstDayRokuyo[old->month - 1]) << Text(day);
      chukiThisMonth = false;
      if (monthsSinceSolstice >= 0) ++monthsSinceSolstice;
    } else if (day != kKoyomiFirstDay) {
      ASSERT_EQ(*old, (OldDate{previous.month, previous.leap, previous.day + 1})) << Text(day);
    }
    chukiThisMonth = chukiThisMonth || IsChuki(term);
    if (term == kToji) {
      ASSERT_EQ(*old, (OldDate{11, false, old->day})) << "冬至 on " << Text(day);
      if (monthsSinceSolstice >= 0) {
        ASSERT_TRUE(monthsSinceSolstice == 12 || monthsSinceSolstice == 13) << Text(day);
        ASSERT_EQ(leapMonthsSinceSolstice, monthsSinceSolstice - 12) << Text(day);
        ++solsticeSpans;
      }
      monthsSinceSolstice = 0;
      leapMonthsSinceSolstice = 0;
    }
    if (term) {
      if (lastTerm) {
        const auto gap = (day - *lastTerm).count();
        ASSERT_TRUE(gap >= 14 && gap <= 16) << Text(day) << " is " << gap << " days after the term before";
      }
      ASSERT_EQ(*term, termsThisYear) << Text(day) << ": terms come in order";
      lastTerm = day;
      ++termsThisYear;
    }
    if (day == sys_days{year_month_day{day}.year() / December / 31}) {
      ASSERT_EQ(termsThisYear, 24) << Text(day);
      termsThisYear = 0;
    }
    previous = *old;
  }
  EXPECT_EQ(solsticeSpans, 200);
}

TEST(Koyomi, MoonPhasesOfKnownEclipses) {
  const struct {
    year_month_day day{};
    std::optional<MoonPhase> phase;
    const char* why = "";
  } cases[] = {
      {2024y / 4 / 9, MoonPhase::New, "the eclipse of 8 April 2024 at 18:18 UTC, the 9th in JST"},
      {2024y / 4 / 8, std::nullopt, "not the day before in JST"},
      {2024y / 9 / 18, MoonPhase::Full, "the partial lunar eclipse of 18 September 2024"},
      {2022y / 11 / 8, MoonPhase::Full, "the total lunar eclipse seen from Japan with Uranus occulted"},
      {2025y / 9 / 8, MoonPhase::Full, "the total lunar eclipse of the early morning of 8 September 2025"},
      {2017y / 2 / 26, MoonPhase::New, "the new moon at 23:58 JST"},
      {1900y / 1 / 1, MoonPhase::New, "the range's first day begins a month"},
  };
  for (const auto& c : cases) EXPECT_EQ(MoonPhaseOn(sys_days{c.day}), c.phase) << c.why;
  EXPECT_EQ(MoonPhaseOn(kKoyomiFirstDay - days{1}), std::nullopt);
  EXPECT_EQ(MoonPhaseOn(kKoyomiLastDay + days{1}), std::nullopt);
}

// The phases come in their order, new moon on each month's first day, 6 to 9 days apart (instants
// 6 to 8.5 days apart), some 49 to 51 in a year.
TEST(Koyomi, MoonPhasesInOrderOverTheWholeRange) {
  std::optional<std::pair<sys_days, MoonPhase>> last;
  int thisYear = 0;
  for (sys_days day = kKoyomiFirstDay; day <= kKoyomiLastDay; day += days{1}) {
    const auto phase = MoonPhaseOn(day);
    ASSERT_EQ(phase == MoonPhase::New, OldDateOn(day)->day == 1) << Text(day);
    if (phase) {
      if (last) {
        ASSERT_EQ(static_cast<int>(*phase), (static_cast<int>(last->second) + 1) % 4) << Text(day);
        const auto gap = (day - last->first).count();
        ASSERT_TRUE(gap >= 6 && gap <= 9) << Text(day) << ": " << gap << " days after the phase before";
      }
      last = {day, *phase};
      ++thisYear;
    }
    if (day == sys_days{year_month_day{day}.year() / December / 31}) {
      ASSERT_TRUE(thisYear >= 48 && thisYear <= 51) << Text(day) << ": " << thisYear;
      thisYear = 0;
    }
  }
}

TEST(Koyomi, OldDateTextInShiftJis) {
  EXPECT_EQ(OldDateText({12, false, 17}), Bytes("8B 8C") + "12" + Bytes("8C 8E") + "17" + Bytes("93 FA"));
  EXPECT_EQ(OldDateText({11, true, 1}), Bytes("8B 8C 89 5B") + "11" + Bytes("8C 8E") + "1" + Bytes("93 FA"));
  EXPECT_EQ(OldDateText({3, true, 30}), Bytes("8B 8C 89 5B") + "3" + Bytes("8C 8E") + "30" + Bytes("93 FA"));
}

TEST(Koyomi, NamesInShiftJis) {
  const char* rokuyo[6] = {"91 E5 88 C0", "90 D4 8C FB", "90 E6 8F 9F", "97 46 88 F8", "90 E6 95 89", "95 A7 96 C5"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(kRokuyoNames[i], Bytes(rokuyo[i])) << i;
  const char* terms[24] = {
      "8F AC 8A A6", "91 E5 8A A6", "97 A7 8F 74", "89 4A 90 85", "8C 5B E5 AD", "8F 74 95 AA",  // 小寒 to 春分
      "90 B4 96 BE", "8D 92 89 4A", "97 A7 89 C4", "8F AC 96 9E", "E4 8A 8E ED", "89 C4 8E 8A",  // 清明 to 夏至
      "8F AC 8F 8B", "91 E5 8F 8B", "97 A7 8F 48", "8F 88 8F 8B", "94 92 98 49", "8F 48 95 AA",  // 小暑 to 秋分
      "8A A6 98 49", "91 9A 8D 7E", "97 A7 93 7E", "8F AC 90 E1", "91 E5 90 E1", "93 7E 8E 8A",  // 寒露 to 冬至
  };
  for (int i = 0; i < 24; ++i) EXPECT_EQ(kSolarTermNames[i], Bytes(terms[i])) << i;
}

}  // namespace
}  // namespace tezun
