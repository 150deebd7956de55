// The finished desktop picture: screen-sized, the desktop colour, the wallpaper centred or tiled
// on it, and the calendar on top.
#pragma once

#include <windows.h>

#include "core/settings.h"
#include "graphics/screen.h"
#include "today.h"

namespace tezun {

// Takes over the bitmap in `wallpaper` and puts the composed one there, a 24-bit bitmap of the
// screen's size that belongs to the caller and is selected into no device context. The old one
// is deleted. If no new picture can be made, the error leaves `wallpaper` as it was, undeleted.
void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings, SIZE screen, TDateTime today);

inline void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings) {
  ComposeWallpaper(wallpaper, settings, ScreenSize(), Today());
}

}  // namespace tezun
