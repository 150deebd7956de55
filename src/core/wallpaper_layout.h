// How the wallpaper covers the screen-sized picture: what is filled with the desktop colour and
// which copies lay the picture. Tiling is planned so that its cost follows the screen's pixels,
// not the number of tiles, and gives the same picture as copying tile by tile.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"

namespace tezun {

struct WallpaperCopy {
  bool fromPicture = true;  // else from the target itself, from an area already laid
  int64_t sourceX = 0;
  int64_t sourceY = 0;
  Rect target;  // same size as the copied area
  bool operator==(const WallpaperCopy&) const = default;
};

struct WallpaperPlan {
  std::vector<Rect> fills;  // the parts of the screen the wallpaper leaves uncovered
  std::vector<WallpaperCopy> copies;
};

// Offset of the first tile when tiling about the centre: the centred position, stepped back by
// whole tiles to the largest value not above 0. A value already 0 or below stays.
int64_t TileStart(int64_t screen, int64_t tile);

// style1 0: centred once; else tiled, from the top-left corner (style2 0) or about the centre.
WallpaperPlan PlanWallpaper(int64_t screenWidth, int64_t screenHeight, int64_t pictureWidth, int64_t pictureHeight,
                            int32_t style1, int32_t style2);

}  // namespace tezun
