// The 開運日, the lucky days people look up for beginnings: 一粒万倍日 and 天赦日 by the solar
// month and the day's 干支, 寅の日 and 巳の日 by its branch.
#pragma once

#include <chrono>
#include <vector>

namespace tezun {

// In the order the calendar lists them; kKaiunNames holds their names.
enum class Kaiun {
  Ichiryumanbai,  // 一粒万倍日
  Tenshanichi,    // 天赦日
  Tora,           // 寅の日
  Mi,             // 巳の日
  Tsuchinotomi,   // 己巳の日, which a 巳 day of the stem 己 is instead of 巳の日
};

// The solar month (節月) of a day, as its branch: from 立春 寅 (2) to the day before 啓蟄, on to
// 小寒's 丑 (1). Only the day of the month's 節 is needed, so it is known wherever the table is.
int SolarMonthBranch(std::chrono::sys_days day);

// The 開運日 of the day, in the order above; none outside the table's range.
std::vector<Kaiun> KaiunOn(std::chrono::sys_days day);

}  // namespace tezun
