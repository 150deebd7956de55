// Where a window opens so that the user can reach it. A stored position may lie off every monitor
// once a monitor is unplugged, the resolution lowered or the scaling raised; such a window could
// be neither seen nor dragged back.
#pragma once

#include <optional>
#include <span>

#include "geometry.h"

namespace tezun {

// How much of a window's grip must lie on one monitor's work area for it to open where stored.
struct Reach {
  int64_t width = 0;
  int64_t height = 0;
};

// The work area among `areas` nearest the rectangle: the one it overlaps most, or else the one it
// lies closest to. Nothing when there is none.
std::optional<Rect> NearestArea(const Rect& rectangle, std::span<const Rect> areas);

// Where the window opens: where stored when at least `reach` of its grip (the part the user takes
// hold of, inside the window) lies on some work area; otherwise moved, grip and all, wholly inside
// the nearest work area (its top-left corner at the area's when it is larger than the area).
Rect WithinReach(const Rect& window, const Rect& grip, const Reach& reach, std::span<const Rect> areas);

}  // namespace tezun
