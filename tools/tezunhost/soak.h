// tezunhost soak: many ExecutePlugIn calls in one process, with its resources before and after.
#pragma once

#include <string>

#include "plugin_module.h"

namespace tezunhost {

// Returns 0 when the figures stay flat and every handle is as it should be, 1 otherwise. With
// `reload`, every call loads the plug-in and unloads it again, as a host that reloads its plug-ins
// does: whatever the module keeps between calls must go with it.
int Soak(const std::wstring& pluginPath, int calls, bool reload);

}  // namespace tezunhost
