// What the drawing code needs to know about the primary display.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace tezun {

SIZE ScreenSize();          // SM_CXSCREEN, SM_CYSCREEN
int ScreenBitsPerPixel();   // BITSPIXEL of the screen
int ScreenPixelsPerInch();  // LOGPIXELSY of the screen, read once

// Tests fix the display depth here; nothing outside the module's own code can reach it.
void FixDisplayDepthForTesting(std::optional<int> bitsPerPixel);

// A colour as GDI takes it: a value with the top bit set names the system colour of its low byte.
COLORREF ColorToRGB(int32_t color);

}  // namespace tezun
