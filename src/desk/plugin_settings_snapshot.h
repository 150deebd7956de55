// What the plug-in keeps at the host's default key, to tell whether its settings dialog was left
// with OK: it saves the settings only then (the places of its windows it writes either way), and
// its entry point returns the same in both cases.
#pragma once

#include <string>

namespace tezun::desk {

// Every value under the plug-in's default key but the windows' places, as one text.
std::wstring PluginSettingsSnapshot();

}  // namespace tezun::desk
