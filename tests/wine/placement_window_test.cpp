// The calendar placement window, a real window on the display, driven by real mouse input.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "forms/calender.h"
#include "render/today.h"
#include "support/bytes.h"
#include "support/pixels.h"
#include "support/ui_driver.h"

namespace tezun {
namespace {

using namespace std::chrono_literals;

class PlacementWindowTest : public ::testing::Test {
 protected:
  PlacementWindowTest() { FixTodayForTesting(DateOf(std::chrono::year{2026} / 5 / 13)); }
  void TearDown() override { FixTodayForTesting(std::nullopt); }

  test::Pixels Shown() { return test::ReadPixels(window_.Image1().Picture().Handle()); }

  static TCalendarSettings Settings() {
    TCalendarSettings settings = DefaultSettings();
    settings.BgColor = 0x00E0FFE0;
    return settings;
  }

  SettingsSession session_{Settings()};
  TfrmCalender window_{nullptr, session_};
};

TEST_F(PlacementWindowTest, BorderlessTopmostWithItsCaption) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window_.Handle(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window_.Handle(), GWL_EXSTYLE));
  // The system adds WS_CLIPSIBLINGS to every top-level window, and the window edge to a sizing frame.
  EXPECT_EQ(style & ~WS_CLIPSIBLINGS, 0x80040000u);
  EXPECT_EQ(exStyle & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_TOPMOST));
  char text[64] = {};
  GetWindowTextA(window_.Handle(), text, sizeof text);
  EXPECT_EQ(std::string(text), test::Bytes("83 54 83 43 83 59 90 DD 92 E8"));  // サイズ設定
  EXPECT_FALSE(window_.Visible()) << "created hidden";
}

TEST_F(PlacementWindowTest, PlacedByItsFrameAndClientSize) {
  window_.Place(120, 90, 210, 180);
  window_.ShowWithoutActivating();
  const RECT bounds = window_.Bounds();
  EXPECT_EQ(bounds.left, 120);
  EXPECT_EQ(bounds.top, 90);
  EXPECT_EQ(window_.ClientSize().cx, 210);
  EXPECT_EQ(window_.ClientSize().cy, 180);
  EXPECT_EQ(window_.Image1().ClientSize().cx, 210) << "the image fills the client area";
}

TEST_F(PlacementWindowTest, ResizingRedrawsAtTheNewSize) {
  window_.Place(100, 100, 200, 200);
  window_.ShowWithoutActivating();
  test::Pixels before = Shown();
  EXPECT_EQ(before.width, 200);
  EXPECT_EQ(before.at(199, 199), 0xE0FFE0u) << "the background colour";

  window_.SetClientSize(350, 280);
  const test::Pixels after = Shown();
  ASSERT_EQ(after.width, 350);
  ASSERT_EQ(after.height, 280);
  // Cells of 50 x 40 now: the header's ink lies in the top 40 rows, the last week's in row 6.
  auto inkRows = [&](int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = 0; x < 350; ++x) ink += after.at(x, y) != 0xE0FFE0u;
    }
    return ink;
  };
  EXPECT_GT(inkRows(0, 40), 20);
  EXPECT_EQ(inkRows(40 * 7, 280), 0) << "below the seventh row";
  EXPECT_GT(inkRows(40 * 5, 40 * 6), 20) << "May 2026 reaches its fifth week";

  // What is on the screen is that picture.
  HDC dc = GetDC(window_.Image1().Handle());
  UpdateWindow(window_.Image1().Handle());
  EXPECT_EQ(GetPixel(dc, 349, 279), RGB(0xE0, 0xFF, 0xE0));
  ReleaseDC(window_.Image1().Handle(), dc);
}

// It shows the session's settings as they change, whoever changes them, and never takes the
// activation from the dialog beside it.
TEST_F(PlacementWindowTest, ShowsEachChangeOfTheSessionAtOnce) {
  HWND active =
      CreateWindowExA(0, "STATIC", "dialog", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(active);
  window_.Place(100, 100, 200, 200);
  window_.ShowWithoutActivating();
  EXPECT_EQ(Shown().at(199, 199), 0xE0FFE0u);
  session_.Edited().BgColor = 0x00102030;
  EXPECT_EQ(Shown().at(199, 199), 0xE0FFE0u) << "nothing is drawn before the change is told";
  session_.Changed();
  EXPECT_EQ(Shown().at(199, 199), 0x302010u) << "the new background at once";
  EXPECT_EQ(GetActiveWindow(), active);
  DestroyWindow(active);
}

TEST_F(PlacementWindowTest, LeftDragMovesTheWindowRightPressDoesNot) {
  // Pressed at `grab`, dragged by (100, 40) in five steps and released, all from a second thread.
  auto drag = [&](POINT grab, DWORD down, DWORD up) {
    std::atomic<bool> done = false;
    std::thread user([&] {
      test::MoveMouse(grab);
      test::PressMouse(down);
      for (int step = 1; step <= 5; ++step) test::MoveMouse({grab.x + 20 * step, grab.y + 8 * step});
      test::PressMouse(up);
      done = true;
    });
    test::PumpUntil([&] { return done.load(); });
    user.join();
    test::PumpUntil([] { return false; }, 200ms);
  };
  window_.Place(100, 100, 200, 200);
  window_.ShowWithoutActivating();
  ASSERT_TRUE(test::PumpUntil([&] { return window_.Visible(); }));
  drag({150, 130}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  EXPECT_EQ(window_.Bounds().left, 100) << "a right-button drag does not move it";
  EXPECT_EQ(window_.Bounds().top, 100);

  // Also from left of and above the screen, where the window's coordinates are negative.
  for (const POINT start : {POINT{100, 100}, POINT{-150, -80}}) {
    SCOPED_TRACE(testing::Message() << start.x << ", " << start.y);
    window_.Place(start.x, start.y, 200, 200);
    drag({std::max<LONG>(start.x, 0) + 40, std::max<LONG>(start.y, 0) + 30}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    test::PumpUntil([&] { return window_.Bounds().left != start.x; }, 10s);
    EXPECT_EQ(window_.Bounds().left, start.x + 100) << "dropped where the mouse left it";
    EXPECT_EQ(window_.Bounds().top, start.y + 40);
    EXPECT_EQ(window_.ClientSize().cx, 200) << "moved, not resized";
  }
}

// The image takes double clicks, so a press that follows a click within the double-click time
// and distance arrives as a double click: it starts the move all the same, and only the left
// button does.
TEST_F(PlacementWindowTest, APressRightAfterAClickMovesTheWindowToo) {
  struct Buttons {
    const char* name;
    DWORD down, up;
    bool moves;
  };
  const Buttons cases[] = {{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, true},
                           {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, false},
                           {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, false}};
  window_.Place(100, 100, 200, 200);
  window_.ShowWithoutActivating();
  ASSERT_TRUE(test::PumpUntil([&] { return window_.Visible(); }));
  for (const Buttons& buttons : cases) {
    SCOPED_TRACE(buttons.name);
    window_.Place(100, 100, 200, 200);
    test::PumpUntil([] { return false; }, 700ms);  // longer than the double-click time: a fresh first click
    const POINT grab{150, 130};
    std::atomic<bool> done = false;
    std::thread user([&] {
      test::MoveMouse(grab);
      test::PressMouse(buttons.down);  // a click in place
      test::PressMouse(buttons.up);
      test::PressMouse(buttons.down);  // and at once a press that drags by (100, 40)
      for (int step = 1; step <= 5; ++step) test::MoveMouse({grab.x + 20 * step, grab.y + 8 * step});
      test::PressMouse(buttons.up);
      done = true;
    });
    test::PumpUntil([&] { return done.load(); });
    user.join();
    test::PumpUntil([&] { return window_.Bounds().left != 100; }, buttons.moves ? 10000ms : 300ms);
    EXPECT_EQ(window_.Bounds().left, buttons.moves ? 200 : 100);
    EXPECT_EQ(window_.Bounds().top, buttons.moves ? 140 : 100);
  }
}

}  // namespace
}  // namespace tezun
