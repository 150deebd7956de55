// The calendar last drawn, kept with what it was drawn from. A host draws the same calendar call
// after call: the same settings, day and rectangle on a picture of the same size. Making its fonts,
// measuring its texts and laying out its lines again gives the same calls every time, so the calls
// are kept (with their fonts and the masks of today's mark) and made again until any of those
// changes.
#pragma once

#include <functional>
#include <string>

#include "core/calendar_date.h"
#include "core/geometry.h"
#include "core/settings.h"
#include "graphics/canvas.h"

namespace tezun {

// All a drawing of the calendar depends on; whatever else comes to shape it must come in here.
struct CalendarKey {
  TCalendarSettings settings;
  TDateTime today = 0;
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

// Draws the drawing kept for the key on the canvas. Where another or none is kept, `record` first
// records it anew (drawing the calendar on the canvas while the canvas records); should that fail,
// what was recorded before the failure is drawn, nothing is kept, and the error goes on.
void DrawKeptCalendar(TCanvas& canvas, const CalendarKey& key, const std::function<void(TCanvas&)>& record);

// The next drawing is recorded anew, whatever its key.
void ForgetKeptCalendar();

// The memory the kept drawing holds, its settings aside.
size_t KeptCalendarBytes();

}  // namespace tezun
