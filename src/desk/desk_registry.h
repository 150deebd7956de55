// TezunDesk's own settings, text values under HKEY_CURRENT_USER\Software\TezunDesk (paths as
// UTF-16: a picture's path may hold characters that Shift-JIS has not), and the value that starts
// it with Windows.
#pragma once

#include <optional>
#include <string>

namespace tezun::desk {

// The names of TezunDesk's values.
extern const wchar_t kPictureValue[];              // the picture to decorate
extern const wchar_t kRememberedWallpaperValue[];  // the wallpaper before the first run
extern const wchar_t kRememberedStyleValue[];      // and its WallpaperStyle
extern const wchar_t kRememberedTileValue[];       // and its TileWallpaper

// A text value of TezunDesk's key; nothing when it is missing or no text.
std::optional<std::wstring> ReadDeskValue(const wchar_t* name);
// False when the key or the value cannot be written.
bool WriteDeskValue(const wchar_t* name, const std::wstring& value);

// "Windows の起動時に開始": a value in the current user's Run key with TezunDesk's quoted path.
bool AutostartIsOn();
bool SetAutostart(bool on);

// A text value of any key of the current user; nothing when missing.
std::optional<std::wstring> ReadUserText(const wchar_t* key, const wchar_t* name);
bool WriteUserText(const wchar_t* key, const wchar_t* name, const std::wstring& value);

}  // namespace tezun::desk
