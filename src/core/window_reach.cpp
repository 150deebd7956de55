#include "window_reach.h"

namespace tezun {
namespace {

// The gap between two ranges along one axis; 0 when they touch or overlap.
int64_t Gap(int64_t start, int64_t end, int64_t otherStart, int64_t otherEnd) {
  if (end <= otherStart) return otherStart - end;
  if (otherEnd <= start) return start - otherEnd;
  return 0;
}

int64_t OverlapArea(const Rect& a, const Rect& b) {
  const Rect common = Intersect(a, b);
  return IsEmpty(common) ? 0 : common.width() * common.height();
}

// Moves the range [start, start + length) into [low, high): its start goes to `low` when it is
// longer.
int64_t Inside(int64_t start, int64_t length, int64_t low, int64_t high) {
  return std::max(low, std::min(start, high - length));
}

}  // namespace

std::optional<Rect> NearestArea(const Rect& rectangle, std::span<const Rect> areas) {
  const Rect* nearest = nullptr;
  int64_t bestOverlap = 0, bestDistance = 0;
  for (const Rect& area : areas) {
    const int64_t overlap = OverlapArea(rectangle, area);
    const int64_t dx = Gap(rectangle.left, rectangle.right, area.left, area.right);
    const int64_t dy = Gap(rectangle.top, rectangle.bottom, area.top, area.bottom);
    const int64_t distance = dx * dx + dy * dy;
    const bool better =
        !nearest || overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance);
    if (better) {
      nearest = &area;
      bestOverlap = overlap;
      bestDistance = distance;
    }
  }
  if (!nearest) return std::nullopt;
  return *nearest;
}

Rect WithinReach(const Rect& window, const Rect& grip, const Reach& reach, std::span<const Rect> areas) {
  for (const Rect& area : areas) {
    const Rect held = Intersect(grip, area);
    if (held.width() >= reach.width && held.height() >= reach.height) return window;
  }
  const std::optional<Rect> area = NearestArea(window, areas);
  if (!area) return window;
  const int64_t left = Inside(window.left, window.width(), area->left, area->right);
  const int64_t top = Inside(window.top, window.height(), area->top, area->bottom);
  return Offset(window, left - window.left, top - window.top);
}

}  // namespace tezun
