// Real pixels of GDI bitmaps, for tests that look at pictures.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tezun::test {

// A picture read back as 0x00RRGGBB values, top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> values;
  uint32_t at(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
  bool operator==(const Pixels&) const = default;
};

Pixels ReadPixels(HBITMAP bitmap);

// A colour value as ReadPixels gives it, from a GDI COLORREF (0x00BBGGRR).
inline uint32_t FromColorRef(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// Every pixel different: a test can tell which pixel of a picture ended up where.
uint32_t PatternColor(int x, int y);

// A DIB of the given depth with PatternColor pixels (through a palette for 1 to 8 bits, where the
// pattern is reduced to what the palette holds); topDown stores the rows top first.
HBITMAP MakePatternBitmap(int width, int height, int bitsPerPixel = 24, bool topDown = false);

// A 24-bit DIB of one grey (every byte the same): a picture as large as the address space allows,
// made quickly. Null when it cannot be made.
HBITMAP MakeGreyBitmap(int width, int height, uint8_t grey);

// How the pattern looks after a round trip through a bitmap of this depth.
uint32_t PatternColorAtDepth(int x, int y, int bitsPerPixel);

bool IsBitmap(HBITMAP bitmap);

// How many pixels in the rectangle are clearly red, as the holiday font's default colour draws.
int RedPixelsIn(const Pixels& pixels, const RECT& r);

// Where ExecutePlugIn drew the calendar on no picture: the leftmost column with anything but the
// desktop colour in it, -1 for none.
int CalendarLeftOf(HBITMAP composed);

}  // namespace tezun::test
