#include "moon_mark.h"

#include <algorithm>

namespace tezun {

namespace {

void DrawFigure(TCanvas& canvas, const Rect& box, MoonPhase phase, int32_t colour) {
  canvas.Pen.Color = colour;
  canvas.Pen.Style = PS_INSIDEFRAME;  // a rim wider than a pixel stays within the box
  canvas.Brush.Color = colour;
  if (phase == MoonPhase::Full) {
    canvas.Brush.Style = BrushStyle::bsSolid;
    canvas.Ellipse(box);
    return;
  }
  canvas.Brush.Style = BrushStyle::bsClear;
  canvas.Ellipse(box);
  if (phase == MoonPhase::New) return;
  canvas.Brush.Style = BrushStyle::bsSolid;
  canvas.HalfEllipse(box, phase == MoonPhase::FirstQuarter);
}

}  // namespace

void DrawMoon(TCanvas& canvas, const Rect& box, MoonPhase phase, int32_t colour) {
  // A rim a tenth of the disc wide reads at every size; a pixel's would vanish at 144 dpi.
  canvas.Pen.Width = static_cast<int>(std::max<int64_t>(1, box.width() / 10));
  if (canvas.Outline.Enabled) {
    const int w = canvas.Outline.Width;
    const int offsets[8][2] = {{-w, -w}, {0, -w}, {w, -w}, {-w, 0}, {w, 0}, {-w, w}, {0, w}, {w, w}};
    for (const auto& offset : offsets)
      DrawFigure(canvas, Offset(box, offset[0], offset[1]), phase, canvas.Outline.Color);
  }
  DrawFigure(canvas, box, phase, colour);
  canvas.Pen.Width = 1;
}

}  // namespace tezun
