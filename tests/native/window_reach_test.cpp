#include "core/window_reach.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tezun {

void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

// A 1920 x 1080 primary monitor with a task bar along its bottom, and beside it a second one.
const Rect kPrimary{0, 0, 1920, 1040};
const Rect kLeft{-1280, 0, 0, 1024};   // left of the primary: negative coordinates
const Rect kAbove{0, -1024, 1280, 0};  // above it
const Rect kRight{1920, 0, 3200, 1024};

TEST(WithinReach, OpensWhereStoredUnlessTooLittleOfTheGripIsOnAMonitor) {
  const Reach placement{40, 40};
  const struct {
    const char* what;
    std::vector<Rect> areas;
    Rect window;
    Rect expected;
  } cases[] = {
      {"on the primary", {kPrimary}, {100, 100, 300, 300}, {100, 100, 300, 300}},
      {"40 x 40 still on it", {kPrimary}, {-160, -160, 40, 40}, {-160, -160, 40, 40}},
      {"39 wide: moved whole into the area", {kPrimary}, {-161, 100, 39, 300}, {0, 100, 200, 300}},
      {"far below and right", {kPrimary}, {5000, 4000, 5200, 4200}, {1720, 840, 1920, 1040}},
      {"far above and left", {kPrimary}, {-3000, -2000, -2800, -1800}, {0, 0, 200, 200}},
      {"under the task bar", {kPrimary}, {500, 1010, 700, 1210}, {500, 840, 700, 1040}},
      {"larger than the area: its corner at the area's", {kPrimary}, {2500, 1500, 4520, 2600}, {0, 0, 2020, 1100}},
      {"on a monitor to the left", {kPrimary, kLeft}, {-1200, 300, -1000, 500}, {-1200, 300, -1000, 500}},
      {"on a monitor above", {kPrimary, kAbove}, {100, -900, 300, -700}, {100, -900, 300, -700}},
      {"astride two monitors", {kPrimary, kRight}, {1900, 100, 1960, 160}, {1900, 100, 1960, 160}},
      {"the left monitor gone", {kPrimary}, {-1200, 300, -1000, 500}, {0, 300, 200, 500}},
      {"off the right monitor: onto it", {kPrimary, kRight}, {3300, 200, 3500, 400}, {3000, 200, 3200, 400}},
      {"off the left monitor's corner", {kLeft, kPrimary}, {-2000, 1500, -1800, 1700}, {-1280, 824, -1080, 1024}},
      {"no monitor at all", {}, {5000, 4000, 5200, 4200}, {5000, 4000, 5200, 4200}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithinReach(c.window, c.window, placement, c.areas), c.expected) << c.what;
  }
}

TEST(WithinReach, ADialogNeedsItsTitleBarNotItsBody) {
  const Reach titleBar{40, 10};
  auto grip = [](const Rect& window) { return Rect{window.left, window.top, window.right, window.top + 23}; };
  const Rect tenOfTheBar{300, -13, 668, 365};
  EXPECT_EQ(WithinReach(tenOfTheBar, grip(tenOfTheBar), titleBar, std::vector{kPrimary}), tenOfTheBar);
  const Rect nine = Offset(tenOfTheBar, 0, -1);
  EXPECT_EQ(WithinReach(nine, grip(nine), titleBar, std::vector{kPrimary}), Offset(tenOfTheBar, 0, 13));
  const Rect barAboveTheTaskBar{300, 1030, 668, 1408};  // its body hidden below the screen
  EXPECT_EQ(WithinReach(barAboveTheTaskBar, grip(barAboveTheTaskBar), titleBar, std::vector{kPrimary}),
            barAboveTheTaskBar);
  const Rect fortyWide{-328, 100, 40, 478};
  EXPECT_EQ(WithinReach(fortyWide, grip(fortyWide), titleBar, std::vector{kPrimary}), fortyWide);
}

TEST(NearestArea, TheMostOverlappedOrElseTheClosest) {
  const std::vector<Rect> areas{kLeft, kPrimary, kRight};
  EXPECT_EQ(NearestArea({1700, 0, 2000, 100}, areas), kPrimary) << "220 wide on the primary, 80 on the right";
  EXPECT_EQ(NearestArea({1800, 0, 2100, 100}, areas), kRight);
  EXPECT_EQ(NearestArea({-1500, 2000, -1400, 2100}, areas), kLeft);
  EXPECT_EQ(NearestArea({3300, -50, 3400, -10}, areas), kRight);
  EXPECT_EQ(NearestArea({0, 0, 1, 1}, {}), std::nullopt);
}

}  // namespace
}  // namespace tezun
