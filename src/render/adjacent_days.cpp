#include "adjacent_days.h"

#include "graphics/bitmap.h"

namespace tezun {

void DrawHalfOpaque(TCanvas& canvas, const Rect& area,
                    const std::function<void(TCanvas& layer, int64_t dx, int64_t dy)>& draw) {
  const Rect visible = Intersect(area, canvas.ClipRect());
  if (IsEmpty(visible)) return;
  const int width = static_cast<int>(visible.width()), height = static_cast<int>(visible.height());
  TBitmap copy;
  copy.SetPixelFormat24();
  copy.SetSize(width, height);
  TCanvas& layer = copy.Canvas();
  layer.CopyRect({0, 0, width, height}, canvas, visible);
  layer.Outline = canvas.Outline;
  draw(layer, -visible.left, -visible.top);
  // Half of each: a pixel the drawing left alone blends with itself into itself.
  constexpr BYTE kHalf = 128;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, kHalf, 0};
  GdiAlphaBlend(canvas.Handle(), static_cast<int>(visible.left), static_cast<int>(visible.top), width, height,
                layer.Handle(), 0, 0, width, height, blend);
}

}  // namespace tezun
