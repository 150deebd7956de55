// The wallpaper Windows shows: which file, in which style, and setting it.
#pragma once

#include <string>

namespace tezun::desk {

// The file Windows shows as the wallpaper now; empty for none.
std::wstring CurrentWallpaper();

// Shows `path` centred, pixel for pixel: TezunDesk's picture is exactly the primary screen's size
// in physical pixels (other monitors show it centred too). A DeskError with kExitUnwritable when
// Windows refuses it.
void SetCentredWallpaper(const std::wstring& path);

// What was there before TezunDesk: a file (or none) and its style, as Windows stores them.
struct WallpaperState {
  std::wstring path;
  std::wstring style;  // WallpaperStyle
  std::wstring tile;   // TileWallpaper
};
WallpaperState CurrentWallpaperState();
// Puts `state` back; false when Windows refused.
bool SetWallpaperState(const WallpaperState& state);

}  // namespace tezun::desk
