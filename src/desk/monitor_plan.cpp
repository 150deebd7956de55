#include "monitor_plan.h"

#include <algorithm>

namespace tezun::desk {
namespace {

// `value` within [0, period), as the tiling of a wallpaper repeats it.
int64_t Wrapped(int64_t value, int64_t period) {
  const int64_t rest = value % period;
  return rest < 0 ? rest + period : rest;
}

// Where a span of `length` starting at `start` of the screen lies in a tiled file `period` long:
// once, or twice where it reaches past the file's end and wraps to its start.
std::vector<int64_t> TiledStarts(int64_t start, int64_t length, int64_t period) {
  const int64_t first = Wrapped(start, period);
  if (first + length > period) return {first, first - period};
  return {first};
}

DeskRect Bounds(const std::vector<Monitor>& monitors) {
  DeskRect bounds = monitors.front().rect;
  for (const Monitor& monitor : monitors) {
    bounds.left = std::min(bounds.left, monitor.rect.left);
    bounds.top = std::min(bounds.top, monitor.rect.top);
    bounds.right = std::max(bounds.right, monitor.rect.right);
    bounds.bottom = std::max(bounds.bottom, monitor.rect.bottom);
  }
  return bounds;
}

}  // namespace

CompositionPlan PlanComposition(const std::vector<Monitor>& monitors, bool perMonitor, bool spanKnown) {
  CompositionPlan plan;
  if (monitors.empty()) return plan;
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const Monitor& m) { return m.rect.left == 0 && m.rect.top == 0; });
  const DeskRect primaryRect = (primary != monitors.end() ? *primary : monitors.front()).rect;

  // The primary first; a rectangle shown twice is one place on the desktop.
  std::vector<Monitor> ordered;
  std::vector<Monitor> places;
  for (int pass = 0; pass < 2; ++pass) {
    for (const Monitor& monitor : monitors) {
      if ((monitor.rect == primaryRect) != (pass == 0)) continue;
      ordered.push_back(monitor);
      const bool seen =
          std::any_of(places.begin(), places.end(), [&](const Monitor& place) { return place.rect == monitor.rect; });
      if (!seen) places.push_back(monitor);
    }
  }

  if (places.size() == 1) {
    plan.file = {primaryRect.width(), primaryRect.height()};
    plan.parts.push_back({ordered.front(), true, {{0, 0}}});
    return plan;
  }
  if (perMonitor) {
    plan.way = SettingWay::PerMonitor;
    for (const Monitor& monitor : ordered) plan.parts.push_back({monitor, monitor.rect == primaryRect, {{0, 0}}});
    return plan;
  }
  const DeskRect bounds = Bounds(places);
  plan.way = spanKnown ? SettingWay::Span : SettingWay::Tile;
  plan.file = {bounds.width(), bounds.height()};
  for (const Monitor& monitor : places) {
    MonitorPart part{monitor, monitor.rect == primaryRect, {}};
    const DeskRect& r = monitor.rect;
    if (spanKnown) {
      part.at.push_back({r.left - bounds.left, r.top - bounds.top});
    } else {
      for (const int64_t x : TiledStarts(r.left, r.width(), bounds.width())) {
        for (const int64_t y : TiledStarts(r.top, r.height(), bounds.height())) part.at.push_back({x, y});
      }
    }
    plan.parts.push_back(std::move(part));
  }
  return plan;
}

}  // namespace tezun::desk
