// A calendar drawn on a picture of one colour, and the ink of its rectangles: where the texts lie.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/calendar_date.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "pixels.h"

namespace tezun::test {

inline constexpr uint32_t kPaper = 0xF0F0F0;

// The defaults in colours of their own (black weekdays, red Sundays, blue Saturdays, green
// holidays), today's number plain, without a disc over its cell.
TCalendarSettings PlainSettings();

// The calendar in the rectangle of a picture 20 pixels larger both ways, at `dpi` dots per inch.
Pixels RenderOnPaper(const TCalendarSettings& settings, const Rect& rect, TDateTime today, int dpi = 96);

// Pixels of the rectangle that are not the paper.
int InkCount(const Pixels& pixels, const Rect& r);

// The pixels that differ between two pictures of a size, among those `counted` takes.
int ChangedPixels(const Pixels& a, const Pixels& b, const std::function<bool(int x, int y)>& counted);

// The runs of rows of a rectangle that hold ink, top to bottom: a number and each line under it.
std::vector<std::pair<int64_t, int64_t>> InkBands(const Pixels& pixels, const Rect& r);

}  // namespace tezun::test
