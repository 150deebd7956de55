#include "calendar_pixels.h"

#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"

namespace tezun::test {

TCalendarSettings PlainSettings() {
  TCalendarSettings settings = DefaultSettings();
  settings.Fonts.Weekday.Color = 0x000000;
  settings.Fonts.Saturday.Color = 0xFF0000;
  settings.Fonts.Sunday.Color = 0x0000FF;
  settings.Fonts.Holiday.Color = 0x00A000;
  settings.TodayStyle = 7;
  return settings;
}

int ChangedPixels(const Pixels& a, const Pixels& b, const std::function<bool(int x, int y)>& counted) {
  int changed = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) changed += a.at(x, y) != b.at(x, y) && counted(x, y);
  }
  return changed;
}

Pixels RenderOnPaper(const TCalendarSettings& settings, const Rect& rect, TDateTime today, int dpi) {
  TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(static_cast<int>(rect.right) + 20, static_cast<int>(rect.bottom) + 20);
  picture.Canvas().Brush.Color = static_cast<int32_t>(0xF0F0F0);
  picture.Canvas().FillRect({0, 0, rect.right + 20, rect.bottom + 20});
  RenderCalendar(picture.Canvas(), rect, settings, today, {Scale::Of(dpi, 72), {}});
  BitmapHandle drawn(picture.Detach());
  return ReadPixels(drawn.get());
}

int InkCount(const Pixels& pixels, const Rect& r) {
  int count = 0;
  for (int64_t y = r.top; y < r.bottom; ++y) {
    for (int64_t x = r.left; x < r.right; ++x) count += pixels.at(static_cast<int>(x), static_cast<int>(y)) != kPaper;
  }
  return count;
}

std::vector<std::pair<int64_t, int64_t>> InkBands(const Pixels& pixels, const Rect& r) {
  std::vector<std::pair<int64_t, int64_t>> bands;
  for (int64_t y = r.top; y < r.bottom; ++y) {
    if (InkCount(pixels, {r.left, y, r.right, y + 1}) == 0) continue;
    if (!bands.empty() && bands.back().second == y) {
      bands.back().second = y + 1;
    } else {
      bands.emplace_back(y, y + 1);
    }
  }
  return bands;
}

}  // namespace tezun::test
