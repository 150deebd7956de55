#include "pixels.h"

#include <cstring>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/graphics_error.h"

namespace tezun::test {
namespace {

// The palette of the 4- and 8-bit pattern pictures: no two entries alike, no greys.
uint32_t PaletteColor(int i) {
  return (static_cast<uint32_t>((i * 16 + 15) & 0xFF) << 16) | (static_cast<uint32_t>((i % 4) * 80) << 8) |
         static_cast<uint32_t>(200 - i % 200);
}
int PaletteIndex(int x, int y, int entries) { return (x * 7 + y * 3) % entries; }

}  // namespace

Pixels ReadPixels(HBITMAP bitmap) {
  Pixels pixels;
  BITMAP shape{};
  if (!GetObjectW(bitmap, sizeof shape, &shape)) return pixels;
  pixels.width = shape.bmWidth;
  pixels.height = shape.bmHeight;
  pixels.values.resize(static_cast<size_t>(pixels.width) * pixels.height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, pixels.height, pixels.values.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (auto& value : pixels.values) value &= 0xFFFFFF;
  return pixels;
}

uint32_t PatternColor(int x, int y) {
  const uint32_t blue = x & 0xFF, green = y & 0xFF, red = ((x >> 8) & 0xF) | (((y >> 8) & 0xF) << 4);
  return (red << 16) | (green << 8) | blue;
}

uint32_t PatternColorAtDepth(int x, int y, int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
      return ((x + y) & 1) ? 0xFFFFFF : 0x000000;
    case 4:
    case 8:
      return PaletteColor(PaletteIndex(x, y, 1 << bitsPerPixel));
    case 16: {
      const uint32_t c = PatternColor(x, y);  // 5-5-5: each channel keeps its top five bits
      const uint32_t r = (c >> 16) & 0xF8, g = (c >> 8) & 0xF8, b = c & 0xF8;
      return (r | r >> 5) << 16 | (g | g >> 5) << 8 | (b | b >> 5);
    }
    default:
      return PatternColor(x, y);
  }
}

HBITMAP MakePatternBitmap(int width, int height, int bitsPerPixel, bool topDown) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = topDown ? -height : height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  const int entries = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
  for (int i = 0; i < entries; ++i) {
    const uint32_t c = bitsPerPixel == 1 ? (i ? 0xFFFFFF : 0) : PaletteColor(i);
    info.colors[i] = RGBQUAD{static_cast<BYTE>(c & 0xFF), static_cast<BYTE>((c >> 8) & 0xFF),
                             static_cast<BYTE>((c >> 16) & 0xFF), 0};
  }
  info.header.biClrUsed = static_cast<DWORD>(entries);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
  auto* rows = static_cast<uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rows + static_cast<size_t>(topDown ? y : height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = PatternColor(x, y);
      switch (bitsPerPixel) {
        case 1:
          if ((x + y) & 1) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
          break;
        case 4: {
          const int i = PaletteIndex(x, y, 16);
          row[x / 2] |= static_cast<uint8_t>(x % 2 ? i : i << 4);
          break;
        }
        case 8:
          row[x] = static_cast<uint8_t>(PaletteIndex(x, y, 256));
          break;
        case 16:
          reinterpret_cast<uint16_t*>(row)[x] =
              static_cast<uint16_t>(((c >> 19) & 0x1F) << 10 | ((c >> 11) & 0x1F) << 5 | ((c >> 3) & 0x1F));
          break;
        case 24:
          row[size_t{3} * x] = c & 0xFF;
          row[size_t{3} * x + 1] = (c >> 8) & 0xFF;
          row[size_t{3} * x + 2] = (c >> 16) & 0xFF;
          break;
        case 32:
          reinterpret_cast<uint32_t*>(row)[x] = c;
          break;
      }
    }
  }
  return bitmap;
}

HBITMAP MakeGreyBitmap(int width, int height, uint8_t grey) {
  BitmapHandle bitmap;
  try {
    bitmap = CreateBitmap24(width, height);
  } catch (const EOutOfResources&) {
    return nullptr;
  }
  DIBSECTION section{};
  GetObjectA(bitmap.get(), sizeof section, &section);
  std::memset(section.dsBm.bmBits, grey, static_cast<size_t>(section.dsBm.bmWidthBytes) * height);
  return bitmap.release();
}

bool IsBitmap(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }

int RedPixelsIn(const Pixels& pixels, const RECT& r) {
  int red = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const int rgb = static_cast<int>(pixels.at(x, y)), r8 = rgb >> 16, g8 = (rgb >> 8) & 0xFF, b8 = rgb & 0xFF;
      red += r8 - g8 > 64 && r8 - b8 > 64;
    }
  }
  return red;
}

int CalendarLeftOf(HBITMAP composed) {
  const Pixels pixels = ReadPixels(composed);
  const uint32_t desktop = FromColorRef(GetSysColor(COLOR_BACKGROUND));
  for (int x = 0; x < pixels.width; ++x) {
    for (int y = 0; y < pixels.height; ++y) {
      if (pixels.at(x, y) != desktop) return x;
    }
  }
  return -1;
}

}  // namespace tezun::test
