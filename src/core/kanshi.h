// The day's 干支: the sixty-day cycle of the ten heavenly stems (甲 to 癸) and the twelve earthly
// branches (子 to 亥), counted without a break through every date.
#pragma once

#include <chrono>
#include <string>

namespace tezun {

// A known day of the cycle's first place, 甲子: 2024-01-01, a New Year's Day that was also 天赦日
// and 一粒万倍日, and so was widely reported.
inline constexpr std::chrono::sys_days kKanshiAnchor{std::chrono::year{2024} / 1 / 1};

// The day's place in the cycle, 0 (甲子) to 59 (癸亥).
int KanshiOf(std::chrono::sys_days day);

// A place's stem, 0 (甲) to 9 (癸), and branch, 0 (子) to 11 (亥).
inline int StemOf(int kanshi) { return kanshi % 10; }
inline int BranchOf(int kanshi) { return kanshi % 12; }

// The place with this stem and branch, which must both be even or both odd.
inline constexpr int KanshiWith(int stem, int branch) { return (6 * stem - 5 * branch + 60) % 60; }

// Stem and branch, two double-byte characters in Shift-JIS ("甲子").
std::string KanshiText(int kanshi);

}  // namespace tezun
