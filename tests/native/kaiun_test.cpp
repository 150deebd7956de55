// The 開運日: days from the yearly lists the news publishes, and what must hold in every year.
#include "core/kaiun.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/kanshi.h"
#include "core/koyomi.h"

namespace tezun {
namespace {

using namespace std::chrono;
using K = Kaiun;

bool On(sys_days day, Kaiun what) {
  const auto found = KaiunOn(day);
  return std::find(found.begin(), found.end(), what) != found.end();
}

std::vector<sys_days> Tenshanichi(int y) {
  std::vector<sys_days> found;
  for (sys_days day{year{y} / 1 / 1}; day <= sys_days{year{y} / 12 / 31}; day += days{1}) {
    if (On(day, K::Tenshanichi)) found.push_back(day);
  }
  return found;
}

TEST(Kaiun, TheTenshanichiOf2024And2025) {
  using D = std::vector<sys_days>;
  EXPECT_EQ(Tenshanichi(2024), (D{2024y / 1 / 1, 2024y / 3 / 15, 2024y / 5 / 30, 2024y / 7 / 29, 2024y / 8 / 12,
                                  2024y / 10 / 11, 2024y / 12 / 26}));
  EXPECT_EQ(Tenshanichi(2025),
            (D{2025y / 3 / 10, 2025y / 5 / 25, 2025y / 7 / 24, 2025y / 8 / 7, 2025y / 10 / 6, 2025y / 12 / 21}));
}

TEST(Kaiun, KnownDays) {
  const struct {
    year_month_day day;
    std::vector<Kaiun> expected;
    const char* why;
  } cases[] = {
      {2024y / 1 / 1, {K::Ichiryumanbai, K::Tenshanichi}, "甲子 in 子月: both, as the news had it"},
      {2025y / 3 / 10, {K::Ichiryumanbai, K::Tenshanichi, K::Tora}, "戊寅 in 卯月: the three together"},
      {2024y / 3 / 15, {K::Ichiryumanbai, K::Tenshanichi, K::Tora}, "戊寅 in 卯月 again, in 2024"},
      {2024y / 1 / 3, {K::Tora}, "丙寅 in 子月"},
      {2024y / 11 / 1, {K::Tsuchinotomi}, "己巳: 己巳の日, not 巳の日"},
      {2024y / 10 / 20, {K::Mi}, "丁巳 in 戌月"},
  };
  for (const auto& c : cases) EXPECT_EQ(KaiunOn(sys_days{c.day}), c.expected) << c.why;
  EXPECT_TRUE(KaiunOn(kKoyomiFirstDay - days{1}).empty());
  EXPECT_TRUE(KaiunOn(kKoyomiLastDay + days{1}).empty());
}

// The solar month turns on the day of each 節, and not on the day before.
TEST(Kaiun, SolarMonthsBeginOnTheirSetsu) {
  const struct {
    year_month_day day;
    int branch;
  } cases[] = {
      {2024y / 1 / 5, 0}, {2024y / 1 / 6, 1},   {2024y / 2 / 3, 1},  {2024y / 2 / 4, 2},   {2021y / 2 / 2, 1},
      {2021y / 2 / 3, 2}, {2024y / 12 / 6, 11}, {2024y / 12 / 7, 0}, {2024y / 11 / 7, 11}, {2024y / 11 / 6, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SolarMonthBranch(sys_days{c.day}), c.branch) << static_cast<unsigned>(c.day.day());
}

// Every year: 5 to 7 天赦日, each the 干支 of its season; 寅 and 巳 days twelve days apart; a
// 己巳の日 never also 巳の日; and 一粒万倍日 only on the branches of its solar month, on some 60 to 80 days.
TEST(Kaiun, InvariantsOverTheWholeRange) {
  const int first = static_cast<int>(year_month_day{kKoyomiFirstDay}.year());
  const int last = static_cast<int>(year_month_day{kKoyomiLastDay}.year());
  for (int y = first; y <= last; ++y) {
    SCOPED_TRACE(y);
    const auto tensha = Tenshanichi(y);
    ASSERT_TRUE(tensha.size() >= 5 && tensha.size() <= 7) << tensha.size();
    int ichiryu = 0;
    for (sys_days day{year{y} / 1 / 1}; day <= sys_days{year{y} / 12 / 31}; day += days{1}) {
      const int branch = BranchOf(KanshiOf(day));
      ASSERT_EQ(On(day, K::Tora), branch == 2);
      ASSERT_EQ(On(day, K::Mi) || On(day, K::Tsuchinotomi), branch == 5);
      ASSERT_FALSE(On(day, K::Mi) && On(day, K::Tsuchinotomi));
      if (On(day, K::Tenshanichi)) {
        const int season = (SolarMonthBranch(day) + 10) % 12 / 3;
        ASSERT_EQ(StemOf(KanshiOf(day)), season % 2 == 0 ? 4 : 0) << "戊 in spring and autumn, 甲 else";
      }
      ichiryu += On(day, K::Ichiryumanbai);
    }
    ASSERT_TRUE(ichiryu >= 55 && ichiryu <= 70) << ichiryu;
  }
}

}  // namespace
}  // namespace tezun
