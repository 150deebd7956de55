// The bench's cases of the events: what a calendar of 5,000 events costs a call.
#pragma once

#include <windows.h>

#include "plugin_module.h"

namespace tezunhost {

// Side by side: the whole call with the calendar unchanged since the call before, against the same
// call without events; the call after the file changed; and the reading alone (the file read,
// parsed and its month's occurrences followed by a fresh cache).
void EventsBench(const PluginModule& plugin, SIZE screen);

}  // namespace tezunhost
