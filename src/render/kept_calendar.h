// The calendar last drawn, kept with what it was drawn from. A host draws the same calendar call
// after call: the same settings, day and rectangle on a picture of the same size. Making its fonts,
// measuring its texts and laying out its lines again gives the same calls every time, so the calls
// are kept (with their fonts and the masks of today's mark) and made again until any of those
// changes.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "calendar_renderer.h"
#include "core/calendar_date.h"
#include "core/event_days.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "graphics/canvas.h"

namespace tezun {

// All a drawing of the calendar depends on; whatever else comes to shape it must come in here.
struct CalendarKey {
  TCalendarSettings settings;
  TDateTime today = 0;
  std::optional<DayEvents> events;  // as read from the files the settings name: those of the time
  Rect rectangle;
  Scale pointsToPixels;
  Scale pixels;
  Rect picture;  // the canvas's bounds, to which today's mark is cut
  // What the drawing takes from the canvas as it finds it: the face of its font (for a font
  // record without one), its pen's style and width (today's coloured mark).
  std::string face;
  int penStyle = PS_SOLID;
  int penWidth = 1;
  bool textsOneByOne = false;
  bool operator==(const CalendarKey&) const = default;
};

// The key of a drawing of the calendar on the canvas as it is now, with the events it shows.
CalendarKey CalendarKeyOf(const TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings,
                          TDateTime today, const CalendarScale& scale, std::optional<DayEvents> events);

// Draws the drawing kept for the key on the canvas. Where another or none is kept, `record` first
// records it anew (drawing the calendar on the canvas while the canvas records); should that fail,
// what was recorded before the failure is drawn, nothing is kept, and the error goes on.
void DrawKeptCalendar(TCanvas& canvas, const CalendarKey& key, const std::function<void(TCanvas&)>& record);

// The next drawing is recorded anew, whatever its key.
void ForgetKeptCalendar();

// The memory the kept drawing holds, its settings aside.
size_t KeptCalendarBytes();
// The drawing kept: the calls of the last drawing, empty where none is kept.
const Drawing& KeptCalendar();

}  // namespace tezun
