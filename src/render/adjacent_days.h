// What is drawn at half opacity over the picture: the neighbouring months' days.
#pragma once

#include <functional>

#include "core/geometry.h"
#include "graphics/canvas.h"

namespace tezun {

// Runs `draw` on a copy of the canvas's pixels in `area` (its pixels `dx`, `dy` from the
// canvas's), then lays the copy over them half transparent: what `draw` drew shows at half
// opacity, and every other pixel stays exactly as it was. The copy has the canvas's outline.
void DrawHalfOpaque(TCanvas& canvas, const Rect& area,
                    const std::function<void(TCanvas& layer, int64_t dx, int64_t dy)>& draw);

}  // namespace tezun
