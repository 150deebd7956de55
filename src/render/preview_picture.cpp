#include "preview_picture.h"

#include "graphics/screen.h"
#include "low_colour_display.h"
#include "wallpaper_composer.h"

namespace tezun {

BitmapHandle ComposePreview(const TBitmap& wallpaper, const TCalendarSettings& settings) {
  TBitmap working;
  working.Assign(wallpaper);
  working.SetPixelFormat24();
  HBITMAP composed = working.Detach();
  try {
    ComposeWallpaper(composed, settings);
  } catch (...) {
    working.Adopt(composed);  // the copy is still ours when the composition fails
    throw;
  }
  working.Adopt(composed);
  working.ShrinkToFit(ScreenSize());
  if (IsLowColourDisplay(ScreenBitsPerPixel())) ReduceForLowColourDisplay(working);
  return BitmapHandle(working.Detach());
}

}  // namespace tezun
