#include "low_colour_display.h"

#include <cstring>

#include "core/low_colour_reduction.h"
#include "graphics/graphics_error.h"

namespace tezun {
namespace {

BgrRows RowsOf(const DIBSECTION& section) {
  const auto* bits = static_cast<const uint8_t*>(section.dsBm.bmBits);
  const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
  const ptrdiff_t stride = section.dsBm.bmWidthBytes;
  // A positive height in the header means the rows are stored bottom first.
  if (section.dsBmih.biHeight > 0) return {bits + (height - 1) * stride, -stride, width, height};
  return {bits, stride, width, height};
}

BitmapHandle PalettizedBitmap(const PalettizedPicture& reduced) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = reduced.width;
  info.header.biHeight = -reduced.height;  // top row first, as the codec gives them
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(reduced.palette.size());
  for (size_t i = 0; i < reduced.palette.size(); ++i) {
    const auto& [red, green, blue] = reduced.palette[i];
    info.colors[i] = RGBQUAD{blue, green, red, 0};
  }
  void* bits = nullptr;
  BitmapHandle bitmap(
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) throw EOutOfResources("cannot create an 8-bit bitmap");
  const size_t stride = (static_cast<size_t>(reduced.width) + 3) & ~size_t{3};
  for (int y = 0; y < reduced.height; ++y) {
    std::memcpy(static_cast<uint8_t*>(bits) + y * stride, &reduced.indices[static_cast<size_t>(y) * reduced.width],
                static_cast<size_t>(reduced.width));
  }
  return bitmap;
}

}  // namespace

bool IsLowColourDisplay(int bitsPerPixel) { return bitsPerPixel <= 8; }

void ReduceForLowColourDisplay(TBitmap& picture) {
  picture.SetPixelFormat24();
  DIBSECTION section{};
  if (GetObjectA(picture.Handle(), sizeof section, &section) != static_cast<int>(sizeof section)) {
    throw EOutOfResources("the picture has no pixels to reduce");
  }
  GdiFlush();  // drawing may still be queued for these pixels
  const PalettizedPicture reduced = ReduceColours(RowsOf(section));
  BitmapHandle bitmap = PalettizedBitmap(reduced);
  picture.Adopt(bitmap.release());
}

}  // namespace tezun
