// The wallpaper plan over any screen and picture sizes of the 32-bit range and any styles. For
// every size the plan covers the screen exactly once, lays the picture where the tiling puts it,
// copies the screen only from areas already laid and stays small; for small sizes it also gives,
// pixel for pixel, the picture of copying tile by tile.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <vector>

#include "check.h"
#include "core/wallpaper_layout.h"
#include "support/wallpaper_simulation.h"

namespace {

using tezun::Intersect;
using tezun::IsEmpty;
using tezun::Rect;
using tezun::WallpaperCopy;
using tezun::WallpaperPlan;

// Areas of rectangles of the 32-bit range and their sums, which may pass 64 bits when a plan is
// wrong.
using Area = __int128;

Area AreaOf(const Rect& r) { return IsEmpty(r) ? 0 : Area{r.width()} * r.height(); }
bool Contains(const Rect& outer, const Rect& inner) { return Intersect(outer, inner) == inner; }

// The centred offset, stepped back by whole tiles to the largest value not above 0; a value
// already 0 or below stays.
void CheckTileStart(int64_t screen, int64_t tile) {
  const int64_t centred = (screen - tile) / 2;
  const int64_t start = tezun::TileStart(screen, tile);
  if (centred <= 0 || tile <= 0) {
    FUZZ_CHECK(start == centred);
  } else {
    FUZZ_CHECK(start <= 0 && start > -tile);
    FUZZ_CHECK((centred - start) % tile == 0);
  }
}

void CheckPlan(const WallpaperPlan& plan, int64_t sw, int64_t sh, int64_t w, int64_t h, int32_t style1,
               int32_t style2) {
  if (sw <= 0 || sh <= 0) {
    FUZZ_CHECK(plan.fills.empty() && plan.copies.empty());
    return;
  }
  const Rect screen{0, 0, sw, sh};
  const bool tiled = style1 != 0 && w > 0 && h > 0;
  const int64_t x0 = style2 == 0 ? 0 : tezun::TileStart(sw, w);
  const int64_t y0 = style2 == 0 ? 0 : tezun::TileStart(sh, h);

  // Each copy from the screen doubles at most what is laid, so their number follows the
  // logarithm of the screen's size, not the number of tiles.
  const int64_t log2Size = static_cast<int64_t>(std::bit_width(static_cast<uint64_t>(std::max(sw, sh))));
  FUZZ_CHECK(plan.fills.size() <= 4);
  FUZZ_CHECK(static_cast<int64_t>(plan.copies.size()) <= 4 + 2 * (2 * log2Size + 2));

  std::vector<Rect> laid;  // what the fills and the copies so far have covered, clipped to the screen
  for (const Rect& fill : plan.fills) {
    FUZZ_CHECK(!IsEmpty(fill) && Contains(screen, fill));
    laid.push_back(fill);
  }
  for (const WallpaperCopy& copy : plan.copies) {
    const Rect& target = copy.target;
    FUZZ_CHECK(!IsEmpty(Intersect(screen, target)));
    if (copy.fromPicture) {
      FUZZ_CHECK(copy.sourceX == 0 && copy.sourceY == 0);
      FUZZ_CHECK(target.width() == w && target.height() == h);
      if (tiled) {
        FUZZ_CHECK((target.left - x0) % w == 0 && (target.top - y0) % h == 0);
      } else {
        FUZZ_CHECK(target.left == (sw - w) / 2 && target.top == (sh - h) / 2);
      }
    } else {
      // From pixels of the screen that show the same tile pixels and are laid already.
      FUZZ_CHECK(tiled);
      FUZZ_CHECK(Contains(screen, target));
      const Rect source{copy.sourceX, copy.sourceY, copy.sourceX + target.width(), copy.sourceY + target.height()};
      FUZZ_CHECK(Contains(screen, source));
      FUZZ_CHECK((target.left - source.left) % w == 0 && (target.top - source.top) % h == 0);
      Area covered = 0;
      for (const Rect& done : laid) covered += AreaOf(Intersect(done, source));
      FUZZ_CHECK(covered == AreaOf(source));
    }
    laid.push_back(Intersect(screen, target));
  }

  // Nothing twice, and nothing left out.
  Area total = 0;
  for (size_t i = 0; i < laid.size(); ++i) {
    for (size_t j = i + 1; j < laid.size(); ++j) FUZZ_CHECK(IsEmpty(Intersect(laid[i], laid[j])));
    total += AreaOf(laid[i]);
  }
  FUZZ_CHECK(total == AreaOf(screen));
}

void CheckPixels(const WallpaperPlan& plan, int64_t sw, int64_t sh, int64_t w, int64_t h, int32_t style1,
                 int32_t style2) {
  const tezun::test::Screen planned = tezun::test::Apply(plan, sw, sh);
  const tezun::test::Screen reference = tezun::test::Reference(sw, sh, w, h, style1, style2);
  FUZZ_CHECK(!planned.readOutside);
  FUZZ_CHECK(planned.pixels == reference.pixels);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool small = input.ConsumeBool();
  int64_t sw = 0, sh = 0, w = 0, h = 0;
  if (small) {
    sw = input.ConsumeIntegralInRange<int64_t>(-2, 64);
    sh = input.ConsumeIntegralInRange<int64_t>(-2, 64);
    w = input.ConsumeIntegralInRange<int64_t>(-2, 80);
    h = input.ConsumeIntegralInRange<int64_t>(-2, 80);
  } else {
    // The callers pass 32-bit sizes: the screen's and the picture's.
    sw = input.ConsumeIntegral<int32_t>();
    sh = input.ConsumeIntegral<int32_t>();
    w = input.ConsumeIntegral<int32_t>();
    h = input.ConsumeIntegral<int32_t>();
  }
  const int32_t style1 = input.ConsumeIntegral<int32_t>();
  const int32_t style2 = input.ConsumeIntegral<int32_t>();

  CheckTileStart(sw, w);
  CheckTileStart(sh, h);
  const WallpaperPlan plan = tezun::PlanWallpaper(sw, sh, w, h, style1, style2);
  CheckPlan(plan, sw, sh, w, h, style1, style2);
  if (small && sw > 0 && sh > 0) CheckPixels(plan, sw, sh, w, h, style1, style2);
  return 0;
}
