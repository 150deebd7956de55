#include "kept_calendar.h"

#include <optional>
#include <utility>

#include "graphics/drawing.h"

namespace tezun {
namespace {

// What the kept drawing was drawn from: nothing is kept without it. Not statics inside a function,
// whose guards would leave per-thread data behind in a module that is unloaded; the drawing's
// fonts, pens, brushes and pixels go with the module.
std::optional<CalendarKey> keptKey;
Drawing keptDrawing;

}  // namespace

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

}  // namespace tezun
