// tezunhost bench: the composer and the whole ExecutePlugIn call against bare GDI work, side by
// side in one run at the screen's size, with the memory one composition takes and the windows' speed.
#pragma once

#include "plugin_module.h"

namespace tezunhost {

// With `before`, another build of the plug-in is timed in the same rounds, for a change's figures
// before and after.
int Bench(const PluginModule& plugin, const PluginModule* before = nullptr);

}  // namespace tezunhost
