#include "calendar_pixels.h"

#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"

namespace tezun::test {

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
