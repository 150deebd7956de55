// The one wallpaper of the whole desktop, as Windows has always kept it: which file, in which
// style, and setting it; the desktop colour; and what the shell says of slideshows.
#pragma once

#include <windows.h>

#include <string>

namespace tezun::desk {

// The file Windows shows as the wallpaper now; empty for none.
std::wstring CurrentWallpaper();

// A wallpaper and its style, as Windows stores them.
struct WallpaperState {
  std::wstring path;
  std::wstring style;  // WallpaperStyle
  std::wstring tile;   // TileWallpaper
};
WallpaperState CurrentWallpaperState();

// The styles TezunDesk sets: a picture of the screen's size centred (shown pixel for pixel), one
// of the virtual screen spanned across the monitors, or tiled from the primary's corner.
WallpaperState Centred(const std::wstring& path);
WallpaperState Spanned(const std::wstring& path);
WallpaperState Tiled(const std::wstring& path);

// Shows `state`: the style is written only with the wallpaper, and put back when Windows refuses
// the file. A DeskError with kExitUnwritable says why.
void SetWallpaperState(const WallpaperState& state);

// Whether Windows spans one picture across the monitors (Windows 8 and later).
bool SpanKnown();

// Whether the shell's record of the background says a slideshow or Spotlight is on.
bool SlideshowByShell();

// The desktop's colour, and setting it for this session and the next.
COLORREF DesktopColour();
bool SetDesktopColour(COLORREF colour);

}  // namespace tezun::desk
