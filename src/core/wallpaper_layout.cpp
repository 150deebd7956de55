#include "wallpaper_layout.h"

#include <algorithm>

namespace tezun {
namespace {

// The screen minus one rectangle: up to four bands.
std::vector<Rect> Around(const Rect& screen, const Rect& hole) {
  const Rect inner = Intersect(screen, hole);
  if (IsEmpty(inner)) return {screen};
  std::vector<Rect> bands = {
      {screen.left, screen.top, screen.right, inner.top},
      {screen.left, inner.bottom, screen.right, screen.bottom},
      {screen.left, inner.top, inner.left, inner.bottom},
      {inner.right, inner.top, screen.right, inner.bottom},
  };
  std::erase_if(bands, IsEmpty);
  return bands;
}

void PlanTiles(WallpaperPlan& plan, int64_t sw, int64_t sh, int64_t w, int64_t h, int64_t x0, int64_t y0) {
  // The picture itself at the first two columns and rows of tiles (x0 and y0 lie in (-size, 0]),
  // so that at least one whole period of the pattern is on the screen.
  for (int64_t x = x0; x < x0 + 2 * w && x < sw; x += w) {
    for (int64_t y = y0; y < y0 + 2 * h && y < sh; y += h) {
      plan.copies.push_back({true, 0, 0, {x, y, x + w, y + h}});
    }
  }
  // Then the target copies itself onto the rest, doubling what is laid each time. Any multiple
  // of the tile size back from a column shows the same pixels, so the source lies within the
  // columns [0, laid) that are already correct.
  const int64_t rows = std::min(sh, y0 + 2 * h);
  for (int64_t laid = std::min(sw, x0 + 2 * w); laid < sw;) {
    const int64_t period = laid / w * w;
    const int64_t length = std::min(period, sw - laid);
    plan.copies.push_back({false, laid - period, 0, {laid, 0, laid + length, rows}});
    laid += length;
  }
  for (int64_t laid = rows; laid < sh;) {
    const int64_t period = laid / h * h;
    const int64_t length = std::min(period, sh - laid);
    plan.copies.push_back({false, 0, laid - period, {0, laid, sw, laid + length}});
    laid += length;
  }
}

}  // namespace

int64_t TileStart(int64_t screen, int64_t tile) {
  const int64_t centred = CentredOffset(screen, tile);
  if (centred <= 0 || tile <= 0) return centred;
  return centred - (centred + tile - 1) / tile * tile;
}

WallpaperPlan PlanWallpaper(int64_t screenWidth, int64_t screenHeight, int64_t pictureWidth, int64_t pictureHeight,
                            int32_t style1, int32_t style2) {
  WallpaperPlan plan;
  const Rect screen{0, 0, std::max<int64_t>(screenWidth, 0), std::max<int64_t>(screenHeight, 0)};
  if (IsEmpty(screen)) return plan;
  if (pictureWidth <= 0 || pictureHeight <= 0) {
    // Nothing to lay, in either mode.
    plan.fills.push_back(screen);
    return plan;
  }
  if (style1 == 0) {
    const int64_t x = CentredOffset(screenWidth, pictureWidth), y = CentredOffset(screenHeight, pictureHeight);
    const Rect placed{x, y, x + pictureWidth, y + pictureHeight};
    plan.fills = Around(screen, placed);
    if (!IsEmpty(Intersect(screen, placed))) plan.copies.push_back({true, 0, 0, placed});
    return plan;
  }
  const int64_t x0 = style2 == 0 ? 0 : TileStart(screenWidth, pictureWidth);
  const int64_t y0 = style2 == 0 ? 0 : TileStart(screenHeight, pictureHeight);
  PlanTiles(plan, screenWidth, screenHeight, pictureWidth, pictureHeight, x0, y0);
  return plan;
}

}  // namespace tezun
