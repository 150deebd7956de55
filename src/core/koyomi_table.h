// The traditional calendar's table, written by tools/koyomi/generate.js into koyomi_table.cpp: the
// lunar months with the days of the Moon's quarters, the solar terms' days, and the days of the
// Sun's other longitudes that the 雑節 need, from 1900-01-01 to 2100-12-31, in Japan Standard Time.
#pragma once

#include <cstdint>

namespace tezun {

// A lunar month, eight bytes: the civil date of its first day (the day of its new moon), its
// number (1 to 12) and whether it is a leap month (閏). It lasts until the day before the next
// row's first day. The rows run in the order of their first days, the first one holding
// 1900-01-01, the last one 2100-12-31. `quarters` is three decimal digits: the days from the first
// day to 上弦, to 満月 less 10 and to 下弦 less 20 (742: the 8th, 15th and 23rd days of the month).
struct LunarMonthRow {
  uint32_t year : 12;
  uint32_t month : 4;
  uint32_t day : 5;
  uint32_t number : 4;
  uint32_t leap : 1;
  uint16_t quarters;
};
extern const LunarMonthRow kLunarMonths[];
extern const unsigned kLunarMonthCount;

// The days of a year's 24 solar terms, 小寒 first and 冬至 last. Term k falls in the civil month
// k / 2 + 1 every year of the table (the generator checks it), so the day of the month tells it.
struct SolarTermYear {
  uint8_t day[24];
};
inline constexpr int kSolarTermFirstYear = 1900;
extern const SolarTermYear kSolarTermDays[201];

// A year's days of the Sun's longitudes that are no solar terms, each the day of the month it
// always falls in (the generator checks it): 入梅 at 80 degrees in June, 半夏生 at 100 degrees in
// July, and 土用入り at 297, 27, 117 and 207 degrees in January, April, July and October. Bit 0 of
// `afternoon` is set where 春分 falls at or after noon JST, bit 1 where 秋分 does.
struct SeasonYear {
  uint8_t nyubai;
  uint8_t hangesho;
  uint8_t doyo[4];
  uint8_t afternoon;
};
extern const SeasonYear kSeasonDays[201];

}  // namespace tezun
