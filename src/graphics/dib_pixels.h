// The bytes of the 24-bit picture a device context draws on, where it is a device-independent
// bitmap of our own: for the work that GDI does slowly under Wine (a blend, a copy by a raster
// operation), done on them in place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "core/geometry.h"

namespace tezun {

class DibPixels {
 public:
  // The picture selected into the DC, its queued drawing done first; nothing where it is not a
  // 24-bit DIB section.
  static std::optional<DibPixels> Of(HDC dc);

  // The picture's bounds, and the part of them the DC draws on.
  Rect Bounds() const { return {0, 0, width_, height_}; }
  Rect Drawable() const { return drawable_; }
  // The first byte (blue) of pixel (x, y), rows counted from the top.
  BYTE* At(int64_t x, int64_t y) const;

 private:
  DibPixels() = default;

  BYTE* bits_ = nullptr;
  int64_t stride_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool bottomUp_ = true;
  Rect drawable_;
};

}  // namespace tezun
