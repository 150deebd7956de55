// Which file is the picture to decorate, and which file TezunDesk writes next. TezunDesk's own
// output never becomes the picture to decorate: composing twice must give the same picture, not
// a calendar drawn on a calendar.
#pragma once

#include <optional>
#include <string>

namespace tezun::desk {

// A path as Windows compares it for our purposes: one kind of slash, no trailing slash, ASCII
// letters in one case. Letters beyond ASCII are left as they are: a miss there only means that a
// folder spelt in another case is taken for another folder, never the reverse.
std::wstring FoldedPath(const std::wstring& path);
// Whether two paths name the same file as Windows compares them.
bool SamePath(const std::wstring& a, const std::wstring& b);

// Whether `path` lies in TezunDesk's own folder for its output (compared as Windows compares
// paths: either slash, letters A to Z in either case).
bool IsOwnOutput(const std::wstring& path, const std::wstring& outputFolder);

// The picture to decorate: the one the user chose, else the wallpaper Windows shows now (when it
// is a picture and not ours). Empty: there is none, and the calendar goes on the desktop colour.
std::wstring ChoosePicture(const std::wstring& chosen, const std::wstring& currentWallpaper,
                           const std::wstring& outputFolder);

// What to remember, on the first run, as the wallpaper to put back: the current one, or no
// wallpaper at all when the current one is already ours (the memory was lost, our output stayed).
// Nothing when a wallpaper is remembered already.
std::optional<std::wstring> WallpaperToRemember(bool remembered, const std::wstring& currentWallpaper,
                                                const std::wstring& outputFolder);

// The file to write next for the monitor `part` (0, the primary or the one picture of all; 1 and
// on, the others, each with names of its own). Windows may keep a wallpaper it has shown by its
// path and not read the file again, so two names take turns: the one that is not shown now.
std::wstring NextOutputPath(const std::wstring& outputFolder, const std::wstring& currentWallpaper, size_t part = 0);

}  // namespace tezun::desk
