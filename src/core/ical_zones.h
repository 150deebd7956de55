// The time zones an event's TZID may name without defining them in its file: libical's own zone
// data, compiled into the program (libical itself would look for it in files beside the host's
// program), made into libical zones when first named and kept for the process's life.
#pragma once

#include <libical/ical.h>

#include <string_view>

#include "event_days.h"

namespace tezun {

// Makes sure that libical's memory goes when the process (or the plug-in) does: the zones made
// here and libical's temporary buffers, after whatever was made before this first call (a cache
// of files that hold zones of their own). Whatever reads through libical calls it first.
void KeepLibicalTidy();

// The zone of an IANA name ("Asia/Tokyo", as Google writes them), also in the form libical and
// others write ("/citadel.org/20220930_1/Asia/Tokyo"); UTC for "UTC", "GMT" and their kin; null
// for a name it does not know.
icaltimezone* KnownZone(std::string_view tzid);

// The wall clock of a known zone. Empty for a zone it does not know. For the tests and the
// fuzzers, which choose the machine's zone; Windows tells the plug-in its own.
WallClock ClockOfZone(std::string_view location);

}  // namespace tezun
