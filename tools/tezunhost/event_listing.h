// tezunhost events: the events of a month as the calendar draws them, a line for each event and day.
#pragma once

#include <string>

namespace tezunhost {

// Prints, for each day of the month in order, the events the "Events" value stored at the host key
// names, in the order the calendar draws them, in Shift-JIS: "2026-12-10 09:30 会議" on a timed
// event's first day, "2026-12-19 続き 忘年会" on each later day it covers, "2026-12-24 終日
// クリスマス" for an all-day one. Nothing when there are none. The days are the machine's, in its
// time zone. A year or month that is none is a HostError.
int PrintEvents(const std::string& yearText, const std::string& monthText, const std::string& hostKey);

}  // namespace tezunhost
