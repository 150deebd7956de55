#include "core/wallpaper_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tezun {
namespace {

constexpr int32_t kBackground = -1;

// A screen of pixels, each holding which picture pixel it shows (x * 65536 + y) or the background.
struct Screen {
  int64_t width, height;
  std::vector<int32_t> pixels;
  Screen(int64_t w, int64_t h) : width(w), height(h), pixels(static_cast<size_t>(w * h), 0x7FFFFFFF) {}
  int32_t& at(int64_t x, int64_t y) { return pixels[static_cast<size_t>(y * width + x)]; }

  void Fill(const Rect& r) {
    for (int64_t y = std::max<int64_t>(r.top, 0); y < std::min(r.bottom, height); ++y) {
      for (int64_t x = std::max<int64_t>(r.left, 0); x < std::min(r.right, width); ++x) at(x, y) = kBackground;
    }
  }
  // A 1:1 copy, clipped by the screen as GDI clips it.
  void Copy(const WallpaperCopy& copy) {
    const Screen before = *this;
    for (int64_t y = std::max<int64_t>(copy.target.top, 0); y < std::min(copy.target.bottom, height); ++y) {
      for (int64_t x = std::max<int64_t>(copy.target.left, 0); x < std::min(copy.target.right, width); ++x) {
        const int64_t sx = copy.sourceX + x - copy.target.left, sy = copy.sourceY + y - copy.target.top;
        at(x, y) = copy.fromPicture ? static_cast<int32_t>(sx * 65536 + sy) : before.pixels[sy * width + sx];
      }
    }
  }
};

Screen Apply(const WallpaperPlan& plan, int64_t sw, int64_t sh) {
  Screen screen(sw, sh);
  for (const Rect& fill : plan.fills) screen.Fill(fill);
  for (const WallpaperCopy& copy : plan.copies) screen.Copy(copy);
  return screen;
}

// The composition as it was first described: fill everything, then copy tile after tile.
Screen Reference(int64_t sw, int64_t sh, int64_t w, int64_t h, int32_t style1, int32_t style2) {
  Screen screen(sw, sh);
  screen.Fill({0, 0, sw, sh});
  auto place = [&](int64_t x, int64_t y) { screen.Copy({true, 0, 0, {x, y, x + w, y + h}}); };
  if (style1 == 0) {
    place((sw - w) / 2, (sh - h) / 2);
    return screen;
  }
  if (w <= 0 || h <= 0) return screen;
  int64_t x0 = 0, y0 = 0;
  if (style2 != 0) {
    x0 = (sw - w) / 2;
    y0 = (sh - h) / 2;
    while (x0 > 0) x0 -= w;
    while (y0 > 0) y0 -= h;
  }
  for (int64_t x = x0; x < sw; x += w) {
    for (int64_t y = y0; y < sh; y += h) place(x, y);
  }
  return screen;
}

void ExpectSameAsReference(int64_t sw, int64_t sh, int64_t w, int64_t h, int32_t style1, int32_t style2) {
  const Screen planned = Apply(PlanWallpaper(sw, sh, w, h, style1, style2), sw, sh);
  const Screen reference = Reference(sw, sh, w, h, style1, style2);
  ASSERT_EQ(planned.pixels, reference.pixels)
      << "screen " << sw << "x" << sh << ", picture " << w << "x" << h << ", styles " << style1 << "/" << style2;
}

TEST(TileStart, StepsBackByWholeTilesToZeroOrBelow) {
  EXPECT_EQ(TileStart(1024, 300), -238);
  EXPECT_EQ(TileStart(768, 200), -116);
  EXPECT_EQ(TileStart(1024, 512), -256);
  EXPECT_EQ(TileStart(1024, 1280), -128) << "already negative: not stepped";
  EXPECT_EQ(TileStart(1024, 1024), 0);
  EXPECT_EQ(TileStart(1024, 1027), -1);
  EXPECT_EQ(TileStart(1000, 1), 0);
  EXPECT_EQ(TileStart(1001, 1), 0);
  EXPECT_EQ(TileStart(1024, 2), -1);  // 511 is odd: the tile pattern starts one pixel early
}

TEST(PlanWallpaper, CentredCoversItsRectangleAndFillsTheRest) {
  const WallpaperPlan plan = PlanWallpaper(1024, 768, 800, 600, 0, 0);
  ASSERT_EQ(plan.copies.size(), 1u);
  EXPECT_EQ(plan.copies[0].target, (Rect{112, 84, 912, 684}));
  const Screen screen = Apply(plan, 1024, 768);
  EXPECT_EQ(const_cast<Screen&>(screen).at(111, 84), kBackground);
  EXPECT_EQ(const_cast<Screen&>(screen).at(112, 84), 0);
  EXPECT_EQ(const_cast<Screen&>(screen).at(911, 683), 799 * 65536 + 599);
  EXPECT_EQ(const_cast<Screen&>(screen).at(912, 683), kBackground);
}

TEST(PlanWallpaper, CentredWiderThanTheScreenIsCutOneLeftTwoRight) {
  Screen screen = Apply(PlanWallpaper(1024, 768, 1027, 700, 0, 0), 1024, 768);
  EXPECT_EQ(screen.at(0, 34) >> 16, 1) << "picture column 0 is cut";
  EXPECT_EQ(screen.at(1023, 34) >> 16, 1024) << "columns 1025 and 1026 are cut";
}

TEST(PlanWallpaper, TheDescribedExamplesMatchTileByTileCopying) {
  ExpectSameAsReference(1024, 768, 800, 600, 0, 0);
  ExpectSameAsReference(1024, 768, 1027, 600, 0, 0);
  ExpectSameAsReference(1024, 768, 300, 200, 1, 0);
  ExpectSameAsReference(1024, 768, 300, 200, 1, 1);
  ExpectSameAsReference(1024, 768, 512, 100, 1, 1);
  ExpectSameAsReference(1024, 768, 1280, 200, 1, 1);
  for (int32_t style1 : {0, 1}) {
    for (int32_t style2 : {0, 1}) ExpectSameAsReference(1024, 768, 1024, 768, style1, style2);
  }
  ExpectSameAsReference(1024, 768, 0, 0, 1, 1);
  ExpectSameAsReference(1024, 768, 0, 0, 0, 0);
  ExpectSameAsReference(64, 48, 1, 1, 1, 1);
  ExpectSameAsReference(64, 48, 1, 1, 1, 0);
}

TEST(PlanWallpaper, RandomSizesAndStylesMatchTileByTileCopying) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> screenSize(1, 90), pictureSize(0, 120), style(-2, 2);
  for (int i = 0; i < 3000; ++i) {
    ExpectSameAsReference(screenSize(random), screenSize(random), pictureSize(random), pictureSize(random),
                          style(random), style(random));
  }
}

TEST(PlanWallpaper, TilingCostFollowsThePixelsNotTheTiles) {
  const WallpaperPlan plan = PlanWallpaper(3840, 2160, 1, 1, 1, 1);
  EXPECT_TRUE(plan.fills.empty());
  EXPECT_LE(plan.copies.size(), 40u);
  int64_t copied = 0;
  for (const WallpaperCopy& copy : plan.copies) copied += copy.target.width() * copy.target.height();
  EXPECT_LE(copied, 3840 * 2160 + 4);
}

TEST(PlanWallpaper, TiledScreenNeedsNoFill) {
  EXPECT_TRUE(PlanWallpaper(1024, 768, 300, 200, 1, 0).fills.empty());
  EXPECT_TRUE(PlanWallpaper(1024, 768, 300, 200, 1, 1).fills.empty());
  EXPECT_TRUE(PlanWallpaper(1024, 768, 1024, 768, 0, 0).fills.empty());
}

TEST(PlanWallpaper, EmptyScreenPlansNothing) {
  const WallpaperPlan plan = PlanWallpaper(0, 768, 10, 10, 1, 1);
  EXPECT_TRUE(plan.fills.empty());
  EXPECT_TRUE(plan.copies.empty());
}

}  // namespace
}  // namespace tezun
