#include "kaiun.h"

#include "kanshi.h"
#include "koyomi.h"

namespace tezun {

using namespace std::chrono;

namespace {

constexpr int kBranchTora = 2, kBranchMi = 5;  // 寅, 巳
constexpr int kStemTsuchinoto = 5;             // 己

// The two branches that make a day 一粒万倍日 in each solar month, by the month's branch (子 first).
// Other tables are in print; the calendar keeps to this one, whichever a reader knows.
constexpr int kIchiryumanbai[12][2] = {
    {11, 0},  // 子月: 亥 子
    {3, 0},   // 丑月: 卯 子
    {1, 6},   // 寅月: 丑 午
    {9, 2},   // 卯月: 酉 寅
    {0, 3},   // 辰月: 子 卯
    {3, 4},   // 巳月: 卯 辰
    {5, 6},   // 午月: 巳 午
    {9, 6},   // 未月: 酉 午
    {0, 7},   // 申月: 子 未
    {3, 8},   // 酉月: 卯 申
    {9, 6},   // 戌月: 酉 午
    {9, 10},  // 亥月: 酉 戌
};

// The 天赦日 of each season of three solar months, from spring (寅卯辰, from 立春): 戊寅, 甲午, 戊申, 甲子.
constexpr int kTenshanichi[4] = {KanshiWith(4, 2), KanshiWith(0, 6), KanshiWith(4, 8), KanshiWith(0, 0)};

bool InRange(sys_days day) { return day >= kKoyomiFirstDay && day <= kKoyomiLastDay; }

}  // namespace

int SolarMonthBranch(sys_days day) {
  const year_month_day date{day};
  const int m = static_cast<int>(static_cast<unsigned>(date.month()));
  // Each civil month holds one 節 (小寒 in January, 立春 in February, ... 大雪 in December), which
  // begins the solar month of the branch m mod 12; before it, the month before goes on.
  const auto setsu = SolarTermDay(static_cast<int>(date.year()), 2 * (m - 1));
  const bool begun = !setsu || day >= *setsu;
  return (begun ? m : m - 1 + 12) % 12;
}

std::vector<Kaiun> KaiunOn(sys_days day) {
  std::vector<Kaiun> found;
  if (!InRange(day)) return found;
  const int kanshi = KanshiOf(day);
  const int branch = BranchOf(kanshi);
  const int solarMonth = SolarMonthBranch(day);
  const int season = (solarMonth - kBranchTora + 12) % 12 / 3;
  if (branch == kIchiryumanbai[solarMonth][0] || branch == kIchiryumanbai[solarMonth][1]) {
    found.push_back(Kaiun::Ichiryumanbai);
  }
  if (kanshi == kTenshanichi[season]) found.push_back(Kaiun::Tenshanichi);
  if (branch == kBranchTora) found.push_back(Kaiun::Tora);
  if (branch == kBranchMi) found.push_back(StemOf(kanshi) == kStemTsuchinoto ? Kaiun::Tsuchinotomi : Kaiun::Mi);
  return found;
}

}  // namespace tezun
