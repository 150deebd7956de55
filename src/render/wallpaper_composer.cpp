#include "wallpaper_composer.h"

#include "calendar_renderer.h"
#include "core/wallpaper_layout.h"
#include "graphics/bitmap.h"
#include "graphics/graphics_error.h"

namespace tezun {

void ComposeWallpaper(HBITMAP& wallpaper, const TCalendarSettings& settings, const ScreenGeometry& geometry,
                      TDateTime today) {
  const SIZE screen = geometry.physical;
  TBitmap source;
  TBitmap target;
  target.SetPixelFormat24();
  source.Adopt(wallpaper);
  try {
    target.SetSize(screen.cx, screen.cy);
    if (target.Empty()) throw EOutOfResources("the screen has no size");
    TCanvas& canvas = target.Canvas();

    // Only the parts the wallpaper leaves uncovered are filled, and tiles are laid by doubling
    // what is already laid: the picture is the same as filling everything and copying every tile.
    // A picture the host still has selected into a device context of its own cannot be read
    // here: it is laid as none, and the desktop colour fills the whole screen.
    const bool readable = source.Readable();
    const WallpaperPlan plan = PlanWallpaper(screen.cx, screen.cy, readable ? source.Width() : 0,
                                             readable ? source.Height() : 0, settings.Style1, settings.Style2);
    canvas.Brush.Color = clBackground;
    canvas.Brush.Style = BrushStyle::bsSolid;
    for (const Rect& fill : plan.fills) canvas.FillRect(fill);
    canvas.CopyMode = cmSrcCopy;
    for (const WallpaperCopy& copy : plan.copies) {
      const Rect from{copy.sourceX, copy.sourceY, copy.sourceX + copy.target.width(),
                      copy.sourceY + copy.target.height()};
      canvas.CopyRect(copy.target, copy.fromPicture ? source.Canvas() : canvas, from);
    }

    const Scale x = geometry.ScaleX(), y = geometry.ScaleY();
    const Rect calendar{x(settings.Left), y(settings.Top), x(int64_t{settings.Left} + settings.Width),
                        y(int64_t{settings.Top} + settings.Height)};
    RenderCalendar(canvas, calendar, settings, today, {geometry.PointsToPixels(), y});
  } catch (...) {
    source.Detach();  // still the caller's
    throw;
  }
  wallpaper = target.Detach();
  // `source` deletes the old picture as it goes.
}

}  // namespace tezun
