// The traditional calendar's table, written by tools/koyomi/generate.js into koyomi_table.cpp: the
// lunar months and the solar terms' days from 1900-01-01 to 2100-12-31, in Japan Standard Time.
#pragma once

#include <cstdint>

namespace tezun {

// A lunar month, four bytes: the civil date of its first day, its number (1 to 12) and whether it
// is a leap month (閏). It lasts until the day before the next row's first day. The rows run in
// the order of their first days, the first one holding 1900-01-01, the last one 2100-12-31.
struct LunarMonthRow {
  uint32_t year : 12;
  uint32_t month : 4;
  uint32_t day : 5;
  uint32_t number : 4;
  uint32_t leap : 1;
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

}  // namespace tezun
