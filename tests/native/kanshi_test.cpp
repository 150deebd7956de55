// The day's 干支: known days from outside lists and the cycle's arithmetic.
#include "core/kanshi.h"

#include <gtest/gtest.h>

#include "core/koyomi.h"
#include "support/iconv_code_page.h"

namespace tezun {
namespace {

using namespace std::chrono;

std::string Sjis(std::u16string_view text) { return test::IconvCodePage932(text).value(); }

TEST(Kanshi, KnownDays) {
  const struct {
    year_month_day day;
    std::u16string_view name;
  } cases[] = {
      {2024y / 1 / 1, u"甲子"},   // New Year's Day 2024, widely reported as 天赦日 and 一粒万倍日
      {2000y / 1 / 1, u"戊午"},   // the almanacs' first day of 2000
      {2025y / 3 / 10, u"戊寅"},  // 2025's first 天赦日, in spring
      {2026y / 2 / 3, u"戊申"},   // 節分 of 2026
      {2026y / 7 / 26, u"辛丑"},  // 土用の丑 of 2026
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KanshiText(KanshiOf(sys_days{c.day})), Sjis(c.name)) << static_cast<int>(c.day.year());
  }
}

TEST(Kanshi, OneStepADayWithoutABreakThroughTheRangeAndBeyond) {
  int previous = KanshiOf(kKoyomiFirstDay - days{1});
  for (sys_days day = kKoyomiFirstDay; day <= kKoyomiLastDay + days{1}; day += days{1}) {
    const int kanshi = KanshiOf(day);
    ASSERT_EQ(kanshi, (previous + 1) % 60) << (day - kKanshiAnchor).count();
    previous = kanshi;
  }
  EXPECT_EQ(KanshiOf(kKanshiAnchor - days{1}), 59) << "癸亥 the day before";
  EXPECT_EQ(KanshiOf(kKanshiAnchor - days{60 * 1000}), 0) << "far before the anchor";
}

TEST(Kanshi, StemAndBranchMakeEachPlaceOnce) {
  for (int kanshi = 0; kanshi < 60; ++kanshi) {
    EXPECT_EQ(KanshiWith(StemOf(kanshi), BranchOf(kanshi)), kanshi);
    EXPECT_EQ(StemOf(kanshi) % 2, BranchOf(kanshi) % 2) << kanshi;
  }
  EXPECT_EQ(KanshiText(59), Sjis(u"癸亥"));
  EXPECT_EQ(KanshiText(5), Sjis(u"己巳"));
}

}  // namespace
}  // namespace tezun
