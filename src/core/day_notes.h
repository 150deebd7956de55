// The texts a calendar can show under a day's number: the name of its holiday or of the user's own
// day, its solar term (二十四節気), its 雑節, its 六曜, its 干支 and its 開運日.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "month_grid.h"
#include "settings.h"

namespace tezun {

// The name of the day under the rules: an own working day's own name (never the holiday's it
// overrides), else the holiday's or day off's name (振替休日 and 国民の休日 included), else an own
// day off's name. Under the built-in table, which names no substitute, a Monday the grid marks as
// a holiday for the Sunday before it is 振替休日; `marked` says whether the grid marks the day.
std::optional<std::string_view> DayName(std::chrono::sys_days day, bool marked, const GridRules& rules);

// The chosen texts of the day in the order name, term, 雑節, 六曜, 干支, 開運日, one space
// between them, in Shift-JIS; empty when none applies. All but the name are known from 1900 to
// 2100 only.
std::string DayNote(std::chrono::sys_days day, bool marked, const GridRules& rules, const DayNoteChoice& choice);

// The day's 干支, then each of its 雑節, 開運日 and Moon's phase, one space between them, in
// Shift-JIS: what a full listing of the traditional calendar adds to the old date. Empty outside
// 1900 to 2100.
std::string KoyomiMarks(std::chrono::sys_days day);

}  // namespace tezun
