#include "dib_pixels.h"

namespace tezun {

std::optional<DibPixels> DibPixels::Of(HDC dc) {
  DIBSECTION section{};
  if (GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != static_cast<int>(sizeof section) ||
      section.dsBm.bmBitsPixel != 24 || !section.dsBm.bmBits) {
    return std::nullopt;
  }
  GdiFlush();  // what GDI still has queued for these pixels first
  DibPixels pixels;
  pixels.bits_ = static_cast<BYTE*>(section.dsBm.bmBits);
  pixels.stride_ = section.dsBm.bmWidthBytes;
  pixels.width_ = section.dsBm.bmWidth;
  pixels.height_ = section.dsBm.bmHeight;
  pixels.bottomUp_ = section.dsBmih.biHeight > 0;
  RECT box{};
  GetClipBox(dc, &box);
  pixels.drawable_ = Intersect({box.left, box.top, box.right, box.bottom}, pixels.Bounds());
  return pixels;
}

BYTE* DibPixels::At(int64_t x, int64_t y) const {
  const int64_t row = bottomUp_ ? height_ - 1 - y : y;
  return bits_ + row * stride_ + x * 3;
}

}  // namespace tezun
