// What the drawing code needs to know about the primary display.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tezun {

SIZE ScreenSize();          // SM_CXSCREEN, SM_CYSCREEN
int ScreenBitsPerPixel();   // BITSPIXEL of the screen
int ScreenPixelsPerInch();  // LOGPIXELSY of the screen, read once

// A colour as GDI takes it: a value with the top bit set names the system colour of its low byte.
COLORREF ColorToRGB(int32_t color);

}  // namespace tezun
