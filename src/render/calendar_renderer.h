// Drawing this month's calendar into a rectangle of a canvas: the weekday names, then the day
// numbers in their column's or the holiday font, and a mark on today.
#pragma once

#include "core/calendar_date.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "graphics/canvas.h"
#include "today.h"

namespace tezun {

// Face name (an empty one leaves the face), size, colour and style, in this order.
void ApplyCalFont(TFont& font, const TCalFont& record);
// The other way: face name, size in points, colour and style set into the record.
void CaptureCalFont(TCalFont& record, const TFont& font);

// Draws straight onto the canvas; nothing outside the texts and today's mark changes, and texts
// are not clipped to their cells. A rectangle with a negative width or height draws nothing.
void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings, TDateTime today);

inline void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings) {
  RenderCalendar(canvas, rectangle, settings, Today());
}

}  // namespace tezun
