// The settings windows' speed, for tezunhost bench: the placement window's redraw and the settings
// dialog opened and closed.
#pragma once

#include "plugin_module.h"

namespace tezunhost {

// The placement window's redraw, alone and as a step of a resize drag, at 800 x 800: plain and with
// every option and the almanac, each step's own picture beside it.
void PlacementWindowRedraw();
// SettingPlugIn from the call until its message loop first runs idle, then closed at once, with the
// settings at the host key given.
void SettingsDialogOpening(const PluginModule& plugin, const char* hostKey);

}  // namespace tezunhost
