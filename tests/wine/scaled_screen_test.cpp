// A scaled screen, as old hosts meet it: run by scaled_screen_test.sh in a prefix at 144 dots per
// inch on a 1920 x 1080 display, where a thread made DPI-unaware sees 1280 x 720 at 96, as on
// Windows at 150%. The wallpaper must still have the screen's real pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "dpi_awareness.h"
#include "forms/setoption.h"
#include "forms/window.h"
#include "graphics/bitmap.h"
#include "graphics/screen.h"
#include "plugin/exports.h"
#include "render/today.h"
#include "render/wallpaper_composer.h"
#include "support/dialog_driver.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"
#include "support/ui_driver.h"

namespace tezun {
namespace {

constexpr SIZE kPhysical{1920, 1080};
constexpr SIZE kSeenUnaware{1280, 720};

// Runs `work` on a thread of its own that declares no DPI awareness, as an old host's does.
void OnUnawareThread(const std::function<void()>& work) {
  std::thread host([&] {
    const tezunhost::DpiContext previous = tezunhost::SetThreadDpiUnaware();
    ASSERT_NE(previous, nullptr) << "no thread can be made DPI-unaware here";
    work();
    tezunhost::RestoreThreadDpi(previous);
  });
  host.join();
}

class ScaledScreenTest : public ::testing::Test {
 protected:
  ScaledScreenTest() { FixTodayForTesting(DateOf(std::chrono::year{2026} / 5 / 13)); }
  void TearDown() override {
    FixTodayForTesting(std::nullopt);
    HidePhysicalSizeSourcesForTesting(false, false);
  }

  void StoreCalendar(int left, int top, int width, int height) {
    sandbox_.PutText("Option", "Left", std::to_string(left));
    sandbox_.PutText("Option", "Top", std::to_string(top));
    sandbox_.PutText("Option", "Width", std::to_string(width));
    sandbox_.PutText("Option", "Height", std::to_string(height));
  }

  // The host's call, on a 300 x 200 picture, and what it gave back.
  test::Pixels Execute() {
    HBITMAP wallpaper = test::MakePatternBitmap(300, 200);
    EXPECT_EQ(ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
    test::Pixels pixels = test::ReadPixels(wallpaper);
    DeleteObject(wallpaper);
    return pixels;
  }

  test::RegistrySandbox sandbox_;
};

TEST_F(ScaledScreenTest, TheScreenIsScaledByHalfAgain) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), kPhysical.cx) << "this thread is per-monitor aware, as Wine's are";
  OnUnawareThread([] {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), kSeenUnaware.cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), kSeenUnaware.cy);
    EXPECT_EQ(ScreenPixelsPerInch(), 96);
  });
}

// An old host's call gives a picture of the real screen, its calendar where the placement window
// stood and as large: the picture a DPI-aware call draws with the rectangle half as large again,
// at the same point sizes. Where the system cannot switch a thread, the display's mode tells the
// real size; where nothing tells it, the call composes at what the thread sees, as it always has.
TEST_F(ScaledScreenTest, AnUnawareCallComposesAtTheRealPixels) {
  StoreCalendar(150, 90, 300, 300);
  const test::Pixels aware = Execute();
  ASSERT_EQ(aware.width, kPhysical.cx);
  ASSERT_EQ(aware.height, kPhysical.cy);
  StoreCalendar(100, 60, 200, 200);

  const struct {
    const char* ways;
    bool hideThreadSwitch;
    bool hideDisplayMode;
    SIZE expected;
  } cases[] = {
      {"the thread switched", false, false, kPhysical},
      {"the display's mode", true, false, kPhysical},
      {"neither", true, true, kSeenUnaware},
  };
  for (const auto& c : cases) {
    HidePhysicalSizeSourcesForTesting(c.hideThreadSwitch, c.hideDisplayMode);
    test::Pixels unaware;
    bool stillUnaware = false;
    OnUnawareThread([&] {
      unaware = Execute();
      stillUnaware = tezunhost::ThreadIsDpiUnaware();
    });
    EXPECT_TRUE(stillUnaware) << c.ways << ": the call left the thread's awareness changed";
    ASSERT_EQ(unaware.width, c.expected.cx) << c.ways;
    ASSERT_EQ(unaware.height, c.expected.cy) << c.ways;
    if (c.expected.cx == kPhysical.cx) {
      EXPECT_TRUE(unaware == aware) << c.ways << ": the picture differs from the aware call's";
    } else {
      // The old picture: the calendar at its stored place and size, in 96-dpi fonts.
      TCalendarSettings settings = DefaultSettings();
      settings.Left = 100, settings.Top = 60;
      HBITMAP expected = test::MakePatternBitmap(300, 200);
      ComposeWallpaper(expected, settings, ScreenGeometry{kSeenUnaware, kSeenUnaware, 96}, Today());
      EXPECT_TRUE(unaware == test::ReadPixels(expected)) << c.ways;
      DeleteObject(expected);
    }
  }
}

// The preview shows the wallpaper as it will be: composed at the real size and shown whole in the
// smaller screen the host's thread sees.
TEST_F(ScaledScreenTest, ThePreviewShowsTheRealPictureShrunk) {
  StoreCalendar(100, 60, 200, 200);
  TBitmap wallpaper;
  test::Pixels shown;
  OnUnawareThread([&] {
    HBITMAP composed = test::MakePatternBitmap(300, 200);
    ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &composed);
    wallpaper.Adopt(composed);
    ASSERT_EQ(wallpaper.Width(), kPhysical.cx);
    wallpaper.ShrinkToFit(kSeenUnaware);

    std::thread user([&] {
      // The user's thread is the host's kind too, so that it sees the windows as the host does.
      const tezunhost::DpiContext previous = tezunhost::SetThreadDpiUnaware();
      HWND dialog = test::WaitForTopWindow(kSettingClass);
      test::ClickControl(dialog, TfrmSetting::btnPreview);
      HWND preview = test::WaitForTopWindow(kPreviewClass);
      shown = test::CaptureClient(preview);
      PostMessageA(GetWindow(preview, GW_CHILD), WM_LBUTTONUP, 0, 0);
      test::WaitUntil([&] { return !IsWindowVisible(preview); });
      PostMessageA(dialog, WM_CLOSE, 0, 0);
      tezunhost::RestoreThreadDpi(previous);
    });
    SettingPlugIn(nullptr, sandbox_.HostKey().c_str(), test::MakePatternBitmap(300, 200));
    user.join();
  });
  ASSERT_EQ(shown.width, kSeenUnaware.cx);
  ASSERT_EQ(shown.height, kSeenUnaware.cy);
  const BitmapHandle expected(wallpaper.Detach());
  EXPECT_TRUE(shown == test::ReadPixels(expected.get()));
}

}  // namespace
}  // namespace tezun
