#include "zassetsu.h"

#include "kanshi.h"
#include "koyomi.h"
#include "koyomi_table.h"

namespace tezun {

using namespace std::chrono;

namespace {

constexpr int kRisshun = 2, kRikka = 8, kShunbun = 5, kRisshu = 14, kShubun = 17, kRitto = 20;
constexpr int kStemTsuchinoe = 4, kStemMizunoto = 9;  // 戊, 癸
constexpr int kBranchUshi = 1;                        // 丑

int YearOf(sys_days day) { return static_cast<int>(year_month_day{day}.year()); }

const SeasonYear& SeasonsOf(int y) { return kSeasonDays[y - kSolarTermFirstYear]; }

bool InRange(sys_days day) { return day >= kKoyomiFirstDay && day <= kKoyomiLastDay; }

// Whether the day is the one `count` days after a term of its own year (a negative count: before).
bool DaysFromTerm(sys_days day, int term, int count) {
  const auto termDay = SolarTermDay(YearOf(day), term);
  return termDay && day == *termDay + days{count};
}

// The 土用 of each quarter: the month its 土用入り falls in (the index into SeasonYear::doyo) and
// the 節 that ends it.
struct DoyoQuarter {
  unsigned month;
  int endTerm;
};
constexpr DoyoQuarter kDoyoQuarters[4] = {{1, kRisshun}, {4, kRikka}, {7, kRisshu}, {10, kRitto}};

}  // namespace

std::optional<sys_days> ShanichiOf(int y, bool spring) {
  const auto equinox = SolarTermDay(y, spring ? kShunbun : kShubun);
  if (!equinox) return std::nullopt;
  const int sinceTsuchinoe = (StemOf(KanshiOf(*equinox)) - kStemTsuchinoe + 10) % 10;
  if (sinceTsuchinoe < 5) return *equinox - days{sinceTsuchinoe};
  if (sinceTsuchinoe > 5) return *equinox + days{10 - sinceTsuchinoe};
  // A 癸 day lies five days from the 戊 before and the 戊 after: the instant's half of the day decides.
  static_assert((kStemMizunoto - kStemTsuchinoe) == 5);
  const bool afternoon = (SeasonsOf(y).afternoon & (spring ? 1 : 2)) != 0;
  return *equinox + days{afternoon ? 5 : -5};
}

std::optional<DoyoSpan> DoyoOn(sys_days day) {
  if (!InRange(day)) return std::nullopt;
  const int y = YearOf(day);
  for (int quarter = 0; quarter < 4; ++quarter) {
    const DoyoQuarter& q = kDoyoQuarters[quarter];
    const sys_days first{year{y} / month{q.month} / std::chrono::day{SeasonsOf(y).doyo[quarter]}};
    const sys_days end = *SolarTermDay(y, q.endTerm);
    if (day >= first && day < end) return DoyoSpan{first, end};
  }
  return std::nullopt;
}

std::vector<Zassetsu> ZassetsuOn(sys_days day) {
  std::vector<Zassetsu> found;
  if (!InRange(day)) return found;
  const year_month_day date{day};
  const int y = static_cast<int>(date.year());
  const unsigned m = static_cast<unsigned>(date.month()), d = static_cast<unsigned>(date.day());
  const SeasonYear& seasons = SeasonsOf(y);
  auto mark = [&](bool on, Zassetsu what) {
    if (on) found.push_back(what);
  };
  mark(DaysFromTerm(day, kRisshun, -1), Zassetsu::Setsubun);
  mark(DaysFromTerm(day, kShunbun, -3) || DaysFromTerm(day, kShubun, -3), Zassetsu::HiganIri);
  mark(DaysFromTerm(day, kShunbun, 3) || DaysFromTerm(day, kShubun, 3), Zassetsu::HiganAke);
  mark(day == ShanichiOf(y, true) || day == ShanichiOf(y, false), Zassetsu::Shanichi);
  mark(DaysFromTerm(day, kRisshun, 87), Zassetsu::Hachijuhachiya);
  mark(DaysFromTerm(day, kRisshun, 209), Zassetsu::Nihyakutoka);
  mark(DaysFromTerm(day, kRisshun, 219), Zassetsu::Nihyakuhatsuka);
  mark(m == 6 && d == seasons.nyubai, Zassetsu::Nyubai);
  mark(m == 7 && d == seasons.hangesho, Zassetsu::Hangesho);
  bool doyoBegins = false;
  for (int quarter = 0; quarter < 4; ++quarter) {
    doyoBegins = doyoBegins || (m == kDoyoQuarters[quarter].month && d == seasons.doyo[quarter]);
  }
  mark(doyoBegins, Zassetsu::DoyoIri);
  mark(BranchOf(KanshiOf(day)) == kBranchUshi && DoyoOn(day), Zassetsu::DoyoUshi);
  return found;
}

}  // namespace tezun
