// The Moon drawn in a day's cell on the days of its four phases: Shift-JIS has no half-lit moon,
// so it is a figure, not a character.
#pragma once

#include <cstdint>

#include "core/geometry.h"
#include "core/koyomi.h"
#include "graphics/canvas.h"

namespace tezun {

// In the box, in `colour`, as the phase lights it: 新月 the rim alone, 上弦 the right half, 満月 the
// whole disc, 下弦 the left half, the unlit half keeping its rim. With the canvas's outline on, the
// figure is first drawn in the outline's colour at the eight offsets around it, as a text is.
// Leaves the canvas's pen and brush as the figure set them.
void DrawMoon(TCanvas& canvas, const Rect& box, MoonPhase phase, int32_t colour);

}  // namespace tezun
