// The machine's wall clock, as Windows keeps its time zone: the local days the events are on.
#pragma once

#include "core/event_days.h"

namespace tezun {

// An instant as Windows' time zone rules (daylight saving included) show it, or the clock fixed
// for tests. Windows is asked about the start of each day the instants fall on, and where two
// days' starts differ, when in the day between the change came; every instant of those days is
// then known without asking again.
WallClock MachineClock();

// Tests choose the time zone here (no clock: Windows' again); nothing outside the module's own
// code can reach it.
void FixLocalClockForTesting(WallClock clock);

}  // namespace tezun
