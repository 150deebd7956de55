// What the drawing code needs to know about the primary display.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "core/geometry.h"

namespace tezun {

SIZE ScreenSize();          // SM_CXSCREEN, SM_CYSCREEN, as the calling thread sees them
int ScreenBitsPerPixel();   // BITSPIXEL of the screen
int ScreenPixelsPerInch();  // LOGPIXELSY of the screen, as the calling thread sees it

// Character height in pixels per point of font size at the screen's density: LOGPIXELSY / 72.
inline Scale PointsToPixels() { return Scale::Of(ScreenPixelsPerInch(), 72); }

// The primary screen as the calling thread sees it and as it really is. Our hosts are old
// programs that declare no DPI awareness; on a scaled screen such a thread sees a smaller screen
// (1280 x 720 of a 1920 x 1080 one at 150%) and a density of 96, and Windows stretches what it
// shows. The settings it places are in the pixels it sees; a wallpaper must have the real ones.
struct ScreenGeometry {
  SIZE seen{};             // the calling thread's screen
  SIZE physical{};         // the primary monitor's own pixels; `seen` where they cannot be found
  int pixelsPerInch = 96;  // the calling thread's LOGPIXELSY

  // Picture pixels per pixel of the thread's screen, along each axis.
  Scale ScaleX() const { return Scale::Of(physical.cx, seen.cx); }
  Scale ScaleY() const { return Scale::Of(physical.cy, seen.cy); }
  // Character height of a font on the real screen per point.
  Scale PointsToPixels() const { return Scale::Of(int64_t{pixelsPerInch} * physical.cy, int64_t{72} * seen.cy); }
};

// Measured without changing anything for longer than the measurement: where the system can switch
// a thread's DPI awareness, the calling thread is made per-monitor aware to read the primary
// monitor's size and switched straight back; elsewhere the display's current mode tells.
ScreenGeometry MeasureScreen();
// A screen that is what it appears to be: for pictures of a given size (tests, the preview's
// own sizes).
ScreenGeometry UnscaledScreen(SIZE screen);

// Tests take away the ways to find the real size, as older systems lack them; nothing outside the
// module's own code can reach it.
void HidePhysicalSizeSourcesForTesting(bool threadAwareness, bool displayMode);

// Tests fix the display depth here; nothing outside the module's own code can reach it.
void FixDisplayDepthForTesting(std::optional<int> bitsPerPixel);

// A colour as GDI takes it: a value with the top bit set names the system colour of its low byte.
COLORREF ColorToRGB(int32_t color);

}  // namespace tezun
