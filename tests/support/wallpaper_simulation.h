// A wallpaper plan carried out on a screen of pixels, and the composition as it was first
// described (fill everything, then copy tile after tile) to compare it with. Each pixel holds
// which picture pixel it shows (x * 65536 + y) or the background.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/wallpaper_layout.h"

namespace tezun::test {

inline constexpr int32_t kBackground = -1;
inline constexpr int32_t kUnpainted = 0x7FFFFFFF;

struct Screen {
  int64_t width, height;
  std::vector<int32_t> pixels;
  bool readOutside = false;  // a copy from the screen itself reached beyond its edges

  Screen(int64_t w, int64_t h) : width(w), height(h), pixels(static_cast<size_t>(w * h), kUnpainted) {}
  int32_t& at(int64_t x, int64_t y) { return pixels[static_cast<size_t>(y * width + x)]; }

  void Fill(const Rect& r) {
    for (int64_t y = std::max<int64_t>(r.top, 0); y < std::min(r.bottom, height); ++y) {
      for (int64_t x = std::max<int64_t>(r.left, 0); x < std::min(r.right, width); ++x) at(x, y) = kBackground;
    }
  }

  // A 1:1 copy, clipped by the screen as GDI clips it. A copy from the screen itself reads the
  // pixels as they were before it started.
  void Copy(const WallpaperCopy& copy) {
    const std::vector<int32_t> before = copy.fromPicture ? std::vector<int32_t>{} : pixels;
    for (int64_t y = std::max<int64_t>(copy.target.top, 0); y < std::min(copy.target.bottom, height); ++y) {
      for (int64_t x = std::max<int64_t>(copy.target.left, 0); x < std::min(copy.target.right, width); ++x) {
        const int64_t sx = copy.sourceX + x - copy.target.left, sy = copy.sourceY + y - copy.target.top;
        if (copy.fromPicture) {
          at(x, y) = static_cast<int32_t>(sx * 65536 + sy);
        } else if (sx < 0 || sx >= width || sy < 0 || sy >= height) {
          readOutside = true;
        } else {
          at(x, y) = before[static_cast<size_t>(sy * width + sx)];
        }
      }
    }
  }
};

inline Screen Apply(const WallpaperPlan& plan, int64_t sw, int64_t sh) {
  Screen screen(sw, sh);
  for (const Rect& fill : plan.fills) screen.Fill(fill);
  for (const WallpaperCopy& copy : plan.copies) screen.Copy(copy);
  return screen;
}

// Fill everything with the background, then copy the picture tile after tile.
inline Screen Reference(int64_t sw, int64_t sh, int64_t w, int64_t h, int32_t style1, int32_t style2) {
  Screen screen(sw, sh);
  screen.Fill({0, 0, sw, sh});
  auto place = [&](int64_t x, int64_t y) { screen.Copy({true, 0, 0, {x, y, x + w, y + h}}); };
  if (style1 == 0) {
    place((sw - w) / 2, (sh - h) / 2);
    return screen;
  }
  if (w <= 0 || h <= 0) return screen;
  int64_t x0 = 0, y0 = 0;
  if (style2 != 0) {
    x0 = (sw - w) / 2;
    y0 = (sh - h) / 2;
    while (x0 > 0) x0 -= w;
    while (y0 > 0) y0 -= h;
  }
  for (int64_t x = x0; x < sw; x += w) {
    for (int64_t y = y0; y < sh; y += h) place(x, y);
  }
  return screen;
}

}  // namespace tezun::test
