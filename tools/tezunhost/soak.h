// tezunhost soak: many ExecutePlugIn calls in one process, with its resources before and after.
#pragma once

#include "plugin_module.h"

namespace tezunhost {

// Returns 0 when the figures stay flat and every handle is as it should be, 1 otherwise.
int Soak(const PluginModule& plugin, int calls);

}  // namespace tezunhost
