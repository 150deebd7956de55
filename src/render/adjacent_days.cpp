#include "adjacent_days.h"

namespace tezun {

void DrawHalfOpaque(TCanvas& canvas, const Rect& area,
                    const std::function<void(TCanvas& layer, int64_t dx, int64_t dy)>& draw) {
  const Rect visible = Intersect(area, canvas.ClipRect());
  if (IsEmpty(visible)) return;
  canvas.DrawHalfOpaque(visible, [&](TCanvas& layer) {
    layer.Outline = canvas.Outline;
    draw(layer, -visible.left, -visible.top);
  });
}

}  // namespace tezun
