// A calendar drawn on a picture of one colour, and the ink of its rectangles: where the texts lie.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "core/calendar_date.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "pixels.h"

namespace tezun::test {

inline constexpr uint32_t kPaper = 0xF0F0F0;

// The calendar in the rectangle of a picture 20 pixels larger both ways, at `dpi` dots per inch.
Pixels RenderOnPaper(const TCalendarSettings& settings, const Rect& rect, TDateTime today, int dpi = 96);

// Pixels of the rectangle that are not the paper.
int InkCount(const Pixels& pixels, const Rect& r);

// The runs of rows of a rectangle that hold ink, top to bottom: a number and each line under it.
std::vector<std::pair<int64_t, int64_t>> InkBands(const Pixels& pixels, const Rect& r);

}  // namespace tezun::test
