// tezunhost koyomi: every day of a year with its traditional calendar, a line each.
#pragma once

#include <string>

namespace tezunhost {

// Prints each day of the year named by `yearText`, in Shift-JIS: the date, its old-calendar date
// (旧M月D日 or 旧閏M月D日), its 六曜 and, on the day of a solar term, the term's name, separated by
// spaces; with `all`, then " / " and the day's 干支, 雑節, 開運日 and Moon's phase. A year outside
// the table's 1900 to 2100, or a text that is no year, is a HostError.
int PrintKoyomi(const std::string& yearText, bool all = false);

}  // namespace tezunhost
