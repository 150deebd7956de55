// TezunDesk's own settings, text values under HKEY_CURRENT_USER\Software\TezunDesk (paths as
// UTF-16: a picture's path may hold characters that Shift-JIS has not), and the values that start
// it with Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tezun::desk {

// The names of TezunDesk's values.
extern const wchar_t kPictureValue[];               // the picture to decorate
extern const wchar_t kKeptPictureValue[];           // TezunDesk's copy of a picture to decorate
extern const wchar_t kKeptFromValue[];              // and the picture it is a copy of
extern const wchar_t kChosenOverValue[];            // the wallpaper shown when it was chosen
extern const wchar_t kRememberedWallpaperValue[];   // the wallpaper before the first run
extern const wchar_t kRememberedStyleValue[];       // and its WallpaperStyle
extern const wchar_t kRememberedTileValue[];        // and its TileWallpaper
extern const wchar_t kRememberedColourValue[];      // the desktop colour then
extern const wchar_t kRememberedPositionValue[];    // the shell's position then, where it has one
extern const wchar_t kRememberedMonitorsSection[];  // each monitor's wallpaper then, by its id

// A text value of TezunDesk's key (or of one of its sections); nothing when it is missing or no
// text.
std::optional<std::wstring> ReadDeskValue(const wchar_t* name, const wchar_t* section = nullptr);
// False when the key or the value cannot be written.
bool WriteDeskValue(const wchar_t* name, const std::wstring& value, const wchar_t* section = nullptr);
// True when the value is gone (or was never there).
bool DeleteDeskValue(const wchar_t* name, const wchar_t* section = nullptr);
// Every text value of a section, by name.
std::vector<std::pair<std::wstring, std::wstring>> ReadDeskSection(const wchar_t* section);
bool DeleteDeskSection(const wchar_t* section);
// The sections below a section (or below the key itself), by name.
std::vector<std::wstring> DeskSections(const wchar_t* section);

// "Windows の起動時に開始": a value in the current user's Run key with TezunDesk's quoted path,
// which Task Manager's start-up list may have disabled.
bool AutostartIsOn();
// On: the Run value, and Task Manager's mark of disabled taken away. Off: both removed.
bool SetAutostart(bool on);

// Values of any key of the current user; nothing when missing or of another type.
std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name);
bool WriteUserText(const wchar_t* key, const wchar_t* name, const std::wstring& value);
std::optional<unsigned long> ReadUserNumber(const wchar_t* key, const wchar_t* name);
std::optional<std::vector<uint8_t>> ReadUserBytes(const wchar_t* key, const wchar_t* name);
bool DeleteUserValue(const wchar_t* key, const wchar_t* name);
// The keys below a key of the current user, by name.
std::vector<std::wstring> UserSubkeys(const wchar_t* key);

}  // namespace tezun::desk
