// The composed desktop picture, pixel by pixel, for screens of any size.
#include "render/wallpaper_composer.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/pixels.h"

namespace tezun {
namespace {

using test::PatternColor;
using test::PatternColorAtDepth;
using test::Pixels;

constexpr TDateTime kSomeDay = 46364;  // 2026-12-08

// Settings whose calendar draws nothing, so the wallpaper alone is seen.
TCalendarSettings WallpaperOnly(int32_t style1, int32_t style2) {
  TCalendarSettings settings = DefaultSettings();
  settings.Style1 = style1;
  settings.Style2 = style2;
  settings.Width = -1;
  return settings;
}

uint32_t Background() { return test::FromColorRef(GetSysColor(COLOR_BACKGROUND)); }

// Composes a pattern picture of the given size and depth on a screen of the given size.
Pixels Compose(SIZE screen, int width, int height, const TCalendarSettings& settings, int depth = 24) {
  HBITMAP wallpaper = width > 0 ? test::MakePatternBitmap(width, height, depth) : nullptr;
  HBITMAP given = wallpaper;
  ComposeWallpaper(wallpaper, settings, screen, kSomeDay);
  EXPECT_NE(wallpaper, given);
  if (given) {
    EXPECT_FALSE(test::IsBitmap(given)) << "the picture handed in still exists";
  }
  Pixels pixels = test::ReadPixels(wallpaper);
  DeleteObject(wallpaper);
  return pixels;
}

// Every pixel against where the picture should show: `origin` gives the picture pixel for a
// screen pixel, or nothing where the desktop colour shows.
void ExpectEveryPixel(const Pixels& pixels, SIZE screen, int depth,
                      const std::function<std::optional<POINT>(int x, int y)>& origin) {
  ASSERT_EQ(pixels.width, screen.cx);
  ASSERT_EQ(pixels.height, screen.cy);
  const uint32_t background = Background();
  int wrong = 0;
  for (int y = 0; y < screen.cy && wrong < 5; ++y) {
    for (int x = 0; x < screen.cx && wrong < 5; ++x) {
      const auto from = origin(x, y);
      const uint32_t expected = from ? PatternColorAtDepth(from->x, from->y, depth) : background;
      if (pixels.at(x, y) != expected) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << pixels.at(x, y) << ", expected "
                      << expected;
        ++wrong;
      }
    }
  }
}

auto Centred(SIZE screen, int w, int h) {
  const int left = (screen.cx - w) / 2, top = (screen.cy - h) / 2;
  return [=](int x, int y) -> std::optional<POINT> {
    if (x < left || x >= left + w || y < top || y >= top + h) return std::nullopt;
    return POINT{x - left, y - top};
  };
}

// Where tiling about the centre starts, stepped back tile by tile as first described.
int StartBySteps(int screen, int tile) {
  int start = (screen - tile) / 2;
  while (start > 0) start -= tile;
  return start;
}

auto Tiled(int x0, int y0, int w, int h) {
  return [=](int x, int y) -> std::optional<POINT> { return POINT{((x - x0) % w + w) % w, ((y - y0) % h + h) % h}; };
}

constexpr SIZE kScreen{1024, 768};

TEST(ComposeWallpaper, CentredWithTheDesktopColourAround) {
  const Pixels pixels = Compose(kScreen, 800, 600, WallpaperOnly(0, 0));
  ExpectEveryPixel(pixels, kScreen, 24, Centred(kScreen, 800, 600));
  EXPECT_EQ(pixels.at(112, 84), PatternColor(0, 0));
  EXPECT_EQ(pixels.at(911, 683), PatternColor(799, 599));
  EXPECT_EQ(pixels.at(111, 84), Background());
}

TEST(ComposeWallpaper, CentredWiderThanTheScreenIsCutEvenly) {
  const Pixels pixels = Compose(kScreen, 1027, 300, WallpaperOnly(0, 0));
  ExpectEveryPixel(pixels, kScreen, 24, Centred(kScreen, 1027, 300));
  EXPECT_EQ(pixels.at(0, 234), PatternColor(1, 0));
  EXPECT_EQ(pixels.at(1023, 234), PatternColor(1024, 0));
}

TEST(ComposeWallpaper, TiledFromTheCorner) {
  ExpectEveryPixel(Compose(kScreen, 300, 200, WallpaperOnly(1, 0)), kScreen, 24, Tiled(0, 0, 300, 200));
}

TEST(ComposeWallpaper, TiledAboutTheCentre) {
  const Pixels pixels = Compose(kScreen, 300, 200, WallpaperOnly(1, 1));
  ExpectEveryPixel(pixels, kScreen, 24, Tiled(-238, -116, 300, 200));
  EXPECT_EQ(pixels.at(362, 284), PatternColor(0, 0)) << "one tile where the centred picture would be";
  ExpectEveryPixel(Compose(kScreen, 512, 100, WallpaperOnly(1, 5)), kScreen, 24,
                   Tiled(-256, StartBySteps(768, 100), 512, 100));
}

TEST(ComposeWallpaper, TiledWiderThanTheScreenIsOneColumnPlacedAsCentred) {
  ExpectEveryPixel(Compose(kScreen, 1280, 200, WallpaperOnly(1, 1)), kScreen, 24, Tiled(-128, -116, 1280, 200));
}

TEST(ComposeWallpaper, ScreenSizedPictureIsTheSameInAllModes) {
  const Pixels centred = Compose(kScreen, 1024, 768, WallpaperOnly(0, 0));
  ExpectEveryPixel(centred, kScreen, 24, Tiled(0, 0, 1024, 768));
  EXPECT_EQ(Compose(kScreen, 1024, 768, WallpaperOnly(1, 0)), centred);
  EXPECT_EQ(Compose(kScreen, 1024, 768, WallpaperOnly(1, 1)), centred);
}

TEST(ComposeWallpaper, OnePixelTiledOverA4kScreen) {
  const SIZE screen{3840, 2160};
  ExpectEveryPixel(Compose(screen, 1, 1, WallpaperOnly(1, 1)), screen, 24, Tiled(0, 0, 1, 1));
  ExpectEveryPixel(Compose(screen, 3, 2, WallpaperOnly(1, 1)), screen, 24,
                   Tiled(StartBySteps(3840, 3), StartBySteps(2160, 2), 3, 2));
}

TEST(ComposeWallpaper, NoPictureGivesTheDesktopColourInEveryMode) {
  for (int style1 : {0, 1}) {
    ExpectEveryPixel(Compose(kScreen, 0, 0, WallpaperOnly(style1, 1)), kScreen, 24,
                     [](int, int) { return std::nullopt; });
  }
}

TEST(ComposeWallpaper, PicturesOfEveryDepthArePlacedInTheirOwnColours) {
  const SIZE screen{320, 240};
  for (int depth : {1, 4, 8, 16, 32}) {
    SCOPED_TRACE(depth);
    ExpectEveryPixel(Compose(screen, 50, 30, WallpaperOnly(1, 1), depth), screen, depth,
                     Tiled(StartBySteps(320, 50), StartBySteps(240, 30), 50, 30));
  }
  HBITMAP topDown = test::MakePatternBitmap(64, 48, 24, true);
  ComposeWallpaper(topDown, WallpaperOnly(0, 0), screen, kSomeDay);
  ExpectEveryPixel(test::ReadPixels(topDown), screen, 24, Centred(screen, 64, 48));
  DeleteObject(topDown);
}

TEST(ComposeWallpaper, DeviceDependentPicture) {
  HDC screenDC = GetDC(nullptr);
  HBITMAP device = CreateCompatibleBitmap(screenDC, 40, 20);
  HDC dc = CreateCompatibleDC(screenDC);
  HGDIOBJ previous = SelectObject(dc, device);
  const RECT all{0, 0, 40, 20};
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, &all, red);
  DeleteObject(red);
  SelectObject(dc, previous);
  DeleteDC(dc);
  ReleaseDC(nullptr, screenDC);

  HBITMAP wallpaper = device;
  ComposeWallpaper(wallpaper, WallpaperOnly(0, 0), SIZE{100, 100}, kSomeDay);
  const Pixels pixels = test::ReadPixels(wallpaper);
  EXPECT_EQ(pixels.at(30, 40), 0xFF0000u);
  EXPECT_EQ(pixels.at(29, 40), Background());
  EXPECT_FALSE(test::IsBitmap(device));
  DeleteObject(wallpaper);
}

TEST(ComposeWallpaper, ResultIsA24BitScreenSizedBitmapSelectedNowhere) {
  HBITMAP wallpaper = test::MakePatternBitmap(10, 10, 8);
  ComposeWallpaper(wallpaper, DefaultSettings(), SIZE{640, 480}, kSomeDay);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(wallpaper, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, 640);
  EXPECT_EQ(section.dsBm.bmHeight, 480);
  EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, wallpaper);
  EXPECT_TRUE(previous && previous != HGDI_ERROR);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(wallpaper);
}

TEST(ComposeWallpaper, CalendarIsDrawnOverTheWallpaperAndClippedAtTheEdge) {
  TCalendarSettings settings = WallpaperOnly(1, 0);
  settings.Left = 900;
  settings.Top = 650;
  settings.Width = 300;
  settings.Height = 300;
  const Pixels pixels = Compose(kScreen, 300, 200, settings);
  int changed = 0;
  for (int y = 0; y < kScreen.cy; ++y) {
    for (int x = 0; x < kScreen.cx; ++x) {
      const bool inside = x >= 900 && y >= 650;
      const bool differs = pixels.at(x, y) != PatternColor(x % 300, y % 200);
      if (differs) {
        EXPECT_TRUE(inside) << x << ", " << y;
        ++changed;
      }
    }
  }
  EXPECT_GT(changed, 50) << "the calendar's corner is on the screen";
}

TEST(ComposeWallpaper, NoNewPictureLeavesTheCallersOwn) {
  HBITMAP given = test::MakePatternBitmap(10, 10);
  HBITMAP wallpaper = given;
  EXPECT_ANY_THROW(ComposeWallpaper(wallpaper, DefaultSettings(), SIZE{0, 768}, kSomeDay));
  EXPECT_EQ(wallpaper, given);
  EXPECT_TRUE(test::IsBitmap(given));
  EXPECT_ANY_THROW(ComposeWallpaper(wallpaper, DefaultSettings(), SIZE{100000, 100000}, kSomeDay));
  EXPECT_EQ(wallpaper, given);
  EXPECT_TRUE(test::IsBitmap(given));
  DeleteObject(given);
}

}  // namespace
}  // namespace tezun
