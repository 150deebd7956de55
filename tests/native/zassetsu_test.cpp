// The 雑節: days from the almanacs of several years, and what must hold in every year of the range.
#include "core/zassetsu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/kanshi.h"
#include "core/koyomi.h"

namespace tezun {
namespace {

using namespace std::chrono;
using Z = Zassetsu;

bool On(sys_days day, Zassetsu what) {
  const auto found = ZassetsuOn(day);
  return std::find(found.begin(), found.end(), what) != found.end();
}

// The days each 雑節 falls on in a year, in order.
std::map<Zassetsu, std::vector<sys_days>> DaysOf(int y) {
  std::map<Zassetsu, std::vector<sys_days>> days;
  for (sys_days day{year{y} / 1 / 1}; day <= sys_days{year{y} / 12 / 31}; day += std::chrono::days{1}) {
    for (Zassetsu z : ZassetsuOn(day)) days[z].push_back(day);
  }
  return days;
}

TEST(Zassetsu, TheAlmanacOf2024) {
  auto days = DaysOf(2024);
  using D = std::vector<sys_days>;
  EXPECT_EQ(days[Z::Setsubun], (D{2024y / 2 / 3}));
  EXPECT_EQ(days[Z::HiganIri], (D{2024y / 3 / 17, 2024y / 9 / 19}));
  EXPECT_EQ(days[Z::HiganAke], (D{2024y / 3 / 23, 2024y / 9 / 25}));
  // 春分 at 12:06 JST on 癸未, five days from 戊寅 and from 戊子: after noon, the later one.
  EXPECT_EQ(days[Z::Shanichi], (D{2024y / 3 / 25, 2024y / 9 / 21}));
  EXPECT_EQ(days[Z::Hachijuhachiya], (D{2024y / 5 / 1}));
  EXPECT_EQ(days[Z::Nyubai], (D{2024y / 6 / 10}));
  EXPECT_EQ(days[Z::Hangesho], (D{2024y / 7 / 1}));
  EXPECT_EQ(days[Z::DoyoIri], (D{2024y / 1 / 18, 2024y / 4 / 16, 2024y / 7 / 19, 2024y / 10 / 20}));
  EXPECT_EQ(days[Z::Nihyakutoka], (D{2024y / 8 / 31}));
  EXPECT_EQ(days[Z::Nihyakuhatsuka], (D{2024y / 9 / 10}));
}

TEST(Zassetsu, KnownDaysOfOtherYears) {
  const struct {
    year_month_day day;
    Zassetsu what;
    bool on;
    const char* why;
  } cases[] = {
      {2021y / 2 / 2, Z::Setsubun, true, "立春 at 23:59 JST on 3 February: 節分 on the 2nd, first since 1897"},
      {2021y / 2 / 3, Z::Setsubun, false, "not on the 3rd that year"},
      {1984y / 2 / 4, Z::Setsubun, true, "the last 節分 on the 4th"},
      {2026y / 2 / 3, Z::Setsubun, true, "2026"},
      {2022y / 7 / 23, Z::DoyoUshi, true, "the summer's first 丑 of 2022"},
      {2022y / 8 / 4, Z::DoyoUshi, true, "and its second"},
      {2023y / 7 / 30, Z::DoyoUshi, true, "2023's one summer 丑"},
      {2024y / 7 / 24, Z::DoyoUshi, true, "2024"},
      {2024y / 8 / 5, Z::DoyoUshi, true, "2024's second"},
      {2025y / 7 / 19, Z::DoyoUshi, true, "2025, on the day 土用 begins"},
      {2025y / 7 / 19, Z::DoyoIri, true, "that day"},
      {2025y / 7 / 31, Z::DoyoUshi, true, "2025's second"},
      {2026y / 7 / 26, Z::DoyoUshi, true, "2026"},
      {2026y / 8 / 7, Z::DoyoUshi, false, "2026's next 丑 is past 立秋"},
  };
  for (const auto& c : cases) EXPECT_EQ(On(sys_days{c.day}, c.what), c.on) << c.why;
}

TEST(Zassetsu, NothingOutsideTheRange) {
  for (sys_days day : {kKoyomiFirstDay - days{1}, kKoyomiLastDay + days{1}, sys_days{1899y / 2 / 3}}) {
    EXPECT_TRUE(ZassetsuOn(day).empty());
    EXPECT_FALSE(DoyoOn(day).has_value());
  }
  EXPECT_FALSE(ShanichiOf(1899, true).has_value());
  EXPECT_FALSE(ShanichiOf(2101, false).has_value());
}

// Every year of the range: one of each yearly 雑節, two 彼岸 and 社日, four 土用 of 17 to 19 days,
// 社日 a 戊 day within five days of its equinox, and 土用の丑 the 丑 days within a 土用.
TEST(Zassetsu, InvariantsOverTheWholeRange) {
  const int first = static_cast<int>(year_month_day{kKoyomiFirstDay}.year());
  const int last = static_cast<int>(year_month_day{kKoyomiLastDay}.year());
  for (int y = first; y <= last; ++y) {
    SCOPED_TRACE(y);
    auto days = DaysOf(y);
    for (Zassetsu z : {Z::Setsubun, Z::Hachijuhachiya, Z::Nihyakutoka, Z::Nihyakuhatsuka, Z::Nyubai, Z::Hangesho}) {
      ASSERT_EQ(days[z].size(), 1u) << static_cast<int>(z);
    }
    ASSERT_EQ(days[Z::HiganIri].size(), 2u);
    ASSERT_EQ(days[Z::HiganAke].size(), 2u);
    ASSERT_EQ(days[Z::Shanichi].size(), 2u);
    ASSERT_EQ(days[Z::DoyoIri].size(), 4u);
    ASSERT_EQ(days[Z::Nihyakutoka][0] - days[Z::Hachijuhachiya][0], std::chrono::days{122});
    for (bool spring : {true, false}) {
      const sys_days equinox = *SolarTermDay(y, spring ? 5 : 17);
      const sys_days shanichi = *ShanichiOf(y, spring);
      ASSERT_EQ(StemOf(KanshiOf(shanichi)), 4) << "a 戊 day";
      ASSERT_LE(abs((shanichi - equinox).count()), 5);
    }
    for (sys_days begins : days[Z::DoyoIri]) {
      const auto doyo = DoyoOn(begins);
      ASSERT_TRUE(doyo.has_value());
      ASSERT_EQ(doyo->first, begins);
      const auto length = (doyo->end - doyo->first).count();
      ASSERT_TRUE(length >= 17 && length <= 19) << length;
      int ushi = 0;
      for (sys_days day = doyo->first; day < doyo->end; day += std::chrono::days{1}) ushi += On(day, Z::DoyoUshi);
      ASSERT_TRUE(ushi == 1 || ushi == 2) << ushi;
      ASSERT_FALSE(DoyoOn(doyo->end).has_value()) << "立夏, 立秋, 立冬 or 立春 ends it";
    }
    size_t doyoDays = 0, ushiDays = 0;
    for (sys_days day{year{y} / 1 / 1}; day <= sys_days{year{y} / 12 / 31}; day += std::chrono::days{1}) {
      doyoDays += DoyoOn(day).has_value();
      ushiDays += On(day, Z::DoyoUshi);
      ASSERT_EQ(On(day, Z::DoyoUshi), DoyoOn(day) && BranchOf(KanshiOf(day)) == 1);
    }
    // Four of 17 to 19 days.
    ASSERT_TRUE(doyoDays >= 68 && doyoDays <= 76) << "no day of 土用 outside the four: " << doyoDays;
    ASSERT_EQ(ushiDays, days[Z::DoyoUshi].size());
  }
}

}  // namespace
}  // namespace tezun
