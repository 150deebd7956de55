// The finished desktop picture: screen-sized, the desktop colour, the wallpaper centred or tiled
// on it, and the calendar on top.
#pragma once

#include <windows.h>

#include "core/settings.h"
#include "graphics/screen.h"
#include "today.h"

namespace tezun {

// Takes over the bitmap in `wallpaper` and puts the composed one there, a 24-bit bitmap of the
// screen's real size that belongs to the caller and is selected into no device context. The old
// one is deleted. If no new picture can be made, the error leaves `wallpaper` as it was, undeleted.
// The wallpaper is laid at its own size; the calendar, placed in the pixels the calling thread
// sees, is drawn larger by as much as the real screen is (its rectangle, cells, fonts and mark).
void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings, const ScreenGeometry& geometry,
                      TDateTime today);

inline void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings, SIZE screen, TDateTime today) {
  ComposeWallpaper(wallpaper, settings, UnscaledScreen(screen), today);
}
inline void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings) {
  ComposeWallpaper(wallpaper, settings, MeasureScreen(), Today());
}

}  // namespace tezun
