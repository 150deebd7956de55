// The traditional Japanese calendar of a day, in Japan Standard Time: the old-calendar (旧暦) date,
// the 六曜, the solar term (二十四節気) that falls on it and the Moon's phase. Every figure comes from the generated
// table (koyomi_table.cpp), which covers 1900-01-01 to 2100-12-31; outside it nothing is answered.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tezun {

inline constexpr std::chrono::sys_days kKoyomiFirstDay{std::chrono::year{1900} / 1 / 1};
inline constexpr std::chrono::sys_days kKoyomiLastDay{std::chrono::year{2100} / 12 / 31};

struct OldDate {
  int month = 0;      // 1 to 12
  bool leap = false;  // 閏: a leap month, which repeats the number of the month before it
  int day = 0;        // 1 to 30
  bool operator==(const OldDate&) const = default;
};

// The six days of 六曜, in the order of (month + day) mod 6; kRokuyoNames holds their names.
enum class Rokuyo { Taian, Shakku, Sensho, Tomobiki, Senbu, Butsumetsu };  // 大安 赤口 先勝 友引 先負 仏滅

// The old-calendar date of a day; nothing outside the table's range.
std::optional<OldDate> OldDateOn(std::chrono::sys_days day);

// The 六曜 of an old-calendar date: a leap month counts with its number.
Rokuyo RokuyoOf(const OldDate& date);

// The solar term that falls on a day, as an index into kSolarTermNames (0 小寒 to 23 冬至, in the
// order they come in a civil year); nothing on the other days and outside the table's range.
std::optional<int> SolarTermOn(std::chrono::sys_days day);

// The day of a solar term (0 小寒 to 23 冬至) in a year of the table; nothing for other years.
std::optional<std::chrono::sys_days> SolarTermDay(int year, int term);

// The four phases of the Moon, in the order they come; kMoonPhaseNames holds their names.
enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };  // 新月 上弦 満月 下弦

// The phase whose instant falls on the day; nothing on the other days and outside the range.
std::optional<MoonPhase> MoonPhaseOn(std::chrono::sys_days day);

// "旧M月D日", or "旧閏M月D日" for a leap month, in Shift-JIS.
std::string OldDateText(const OldDate& date);

}  // namespace tezun
