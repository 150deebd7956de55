#include "kept_calendar.h"

#include <optional>
#include <utility>

#include "graphics/drawing.h"
#include "text_run.h"

namespace tezun {
namespace {

// What the kept drawing was drawn from: nothing is kept without it. Not statics inside a function,
// whose guards would leave per-thread data behind in a module that is unloaded; the drawing's
// fonts, pens, brushes and pixels go with the module.
std::optional<CalendarKey> keptKey;
Drawing keptDrawing;

}  // namespace

CalendarKey CalendarKeyOf(const TCanvas& canvas, const Rect& rectangle, const TCalendarSettings& settings,
                          TDateTime today, const CalendarScale& scale, std::optional<DayEvents> events) {
  return {.settings = settings,
          .today = today,
          .events = std::move(events),
          .rectangle = rectangle,
          .pointsToPixels = scale.pointsToPixels,
          .pixels = scale.pixels,
          .picture = canvas.ClipRect(),
          .face = canvas.Font.Name(),
          .penStyle = canvas.Pen.Style,
          .penWidth = canvas.Pen.Width,
          .textsOneByOne = TextsDrawnOneByOne()};
}

void DrawKeptCalendar(TCanvas& canvas, const CalendarKey& key, const std::function<void(TCanvas&)>& record) {
  if (!keptKey || !(*keptKey == key)) {
    ForgetKeptCalendar();
    Drawing drawing;
    try {
      const CanvasRecording recording(canvas, drawing);
      record(canvas);
    } catch (...) {
      drawing.DrawOn(canvas);
      throw;
    }
    keptDrawing = std::move(drawing);
    keptKey = key;
  }
  keptDrawing.DrawOn(canvas);
}

void ForgetKeptCalendar() {
  keptKey.reset();
  keptDrawing = Drawing();
}

size_t KeptCalendarBytes() { return keptKey ? keptDrawing.Bytes() : 0; }

const Drawing& KeptCalendar() { return keptDrawing; }

}  // namespace tezun
