// The 雑節: the seasonal days that a Japanese calendar marks besides the 24 solar terms, by the
// definitions the national observatory's yearly almanac uses, and 土用の丑.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

namespace tezun {

// In the order the calendar lists them; kZassetsuNames holds their names.
enum class Zassetsu {
  Setsubun,        // 節分: the day before 立春
  HiganIri,        // 彼岸入り: three days before 春分 and 秋分
  HiganAke,        // 彼岸明け: three days after them
  Shanichi,        // 社日: the 戊 day nearest to 春分 and to 秋分
  Hachijuhachiya,  // 八十八夜: the 88th day counting 立春 as the first
  Nihyakutoka,     // 二百十日: the 210th
  Nihyakuhatsuka,  // 二百二十日: the 220th
  Nyubai,          // 入梅: the Sun at 80 degrees
  Hangesho,        // 半夏生: the Sun at 100 degrees
  DoyoIri,         // 土用入り: the Sun at 27, 117, 207 and 297 degrees
  DoyoUshi,        // 土用の丑: a 丑 day within a 土用
};

// The 雑節 of the day, in the order above; none outside the table's range.
std::vector<Zassetsu> ZassetsuOn(std::chrono::sys_days day);

// The 社日 of a year by 春分 (spring) or 秋分: the 戊 day nearest to it; when it falls on a 癸 day,
// five days from either, the earlier one if its instant is before noon JST, else the later one.
// Nothing outside the table's years.
std::optional<std::chrono::sys_days> ShanichiOf(int year, bool spring);

// The 土用 that holds the day, as its first day and the day after its last (the next 立夏, 立秋,
// 立冬 or 立春); nothing when the day lies in none.
struct DoyoSpan {
  std::chrono::sys_days first;
  std::chrono::sys_days end;
};
std::optional<DoyoSpan> DoyoOn(std::chrono::sys_days day);

}  // namespace tezun
