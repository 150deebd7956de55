// Drawing this month's calendar into a rectangle of a canvas: the weekday names, then the day
// numbers in their column's or the holiday font, and a mark on today.
#pragma once

#include "core/calendar_date.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "graphics/canvas.h"
#include "graphics/screen.h"
#include "today.h"

namespace tezun {

// Face name (an empty one leaves the face), size, colour and style, in this order. The size is in
// points, each `pointsToPixels` pixels high: the screen's own density unless a picture is drawn
// larger than the screen the settings were made on.
void ApplyCalFont(TFont& font, const TCalFont& record, const Scale& pointsToPixels);
inline void ApplyCalFont(TFont& font, const TCalFont& record) { ApplyCalFont(font, record, PointsToPixels()); }
// The other way: face name, size in points, colour and style set into the record.
void CaptureCalFont(TCalFont& record, const TFont& font);

// How much larger than the screen the settings were made on a calendar is drawn.
struct CalendarScale {
  Scale pointsToPixels;  // character height per point of font size (ApplyCalFont)
  Scale pixels;          // picture pixels per pixel of that screen: the outline's width
};

// Draws straight onto the canvas; nothing outside the panel, the texts and today's mark changes,
// and texts are not clipped to their cells. A rectangle with a negative width or height draws
// nothing. The calls it makes are kept for the next drawing of the same calendar on a picture of
// the same size, which makes them again and nothing else (kept_calendar.h).
void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings, TDateTime today,
                    const CalendarScale& scale);

inline void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings, TDateTime today) {
  RenderCalendar(canvas, rectangle, settings, today, {PointsToPixels(), {}});
}
inline void RenderCalendar(TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings) {
  RenderCalendar(canvas, rectangle, settings, Today());
}

}  // namespace tezun
