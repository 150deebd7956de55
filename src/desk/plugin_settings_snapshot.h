// What the plug-in keeps at the host's default key: its settings, to tell whether its settings
// dialog was left with OK (it saves them only then, the places of its windows either way, and its
// entry point returns the same in both cases), and how it lays the picture on the screen.
#pragma once

#include <cstdint>
#include <string>

namespace tezun::desk {

// The plug-in's key when the host hands it an empty key text, and its section of options.
extern const wchar_t kPluginKey[];
extern const wchar_t kPluginOptionKey[];

// Every value under the plug-in's default key but the windows' places, as one text.
std::wstring PluginSettingsSnapshot();

// How the plug-in lays the picture: its stored "Style1" and "Style2" under "Option", read by its
// rules (0 where missing or no number), which its settings dialog documents for every host.
struct PluginStyles {
  int32_t style1 = 0;
  int32_t style2 = 0;
};
PluginStyles StoredPluginStyles();

}  // namespace tezun::desk
