// The full-screen preview, shown modally and closed by clicks.
#include <gtest/gtest.h>

#include <thread>

#include "forms/preview.h"
#include "graphics/bitmap.h"
#include "support/pixels.h"
#include "support/ui_driver.h"

namespace tezun {
namespace {

using namespace std::chrono_literals;

class PreviewWindowTest : public ::testing::Test {
 protected:
  // Shows the preview of a 200 x 100 picture modally while `user` acts from another thread, and
  // returns what `user` saw. A preview still open after ten seconds is closed by force.
  RECT RunWith(const std::function<void(HWND preview)>& user) {
    preview_.Image1().SetPicture(test::MakePatternBitmap(200, 100));
    RECT seen{};
    std::atomic<bool> finished = false;
    std::thread other([&] {
      test::WaitUntil([&] { return preview_.Visible(); });
      test::WaitUntilIdle(preview_.Handle());
      GetWindowRect(preview_.Handle(), &seen);
      user(preview_.Handle());
      if (!test::WaitUntil([&] { return finished.load(); }, 60s)) {
        preview_.EndModal(mrCancel);
        PostMessageA(preview_.Handle(), WM_NULL, 0, 0);
      }
    });
    preview_.ShowModal();
    finished = true;
    other.join();
    return seen;
  }

  TfrmPreview preview_{nullptr};
};

TEST_F(PreviewWindowTest, CoversTheScreenAndAClickOnThePictureClosesIt) {
  const RECT seen = RunWith([](HWND) {
    const POINT centre{GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2};
    test::MoveMouse(centre);
    test::PressMouse(MOUSEEVENTF_LEFTDOWN);
    test::PressMouse(MOUSEEVENTF_LEFTUP);
  });
  EXPECT_EQ(seen.left, 0);
  EXPECT_EQ(seen.top, 0);
  EXPECT_EQ(seen.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(seen.bottom, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_FALSE(preview_.Visible());
}

TEST_F(PreviewWindowTest, AClickBesideThePictureClosesIt) {
  RunWith([](HWND) {
    test::MoveMouse({5, 5});
    test::PressMouse(MOUSEEVENTF_LEFTDOWN);
    test::PressMouse(MOUSEEVENTF_LEFTUP);
  });
  EXPECT_FALSE(preview_.Visible());
}

TEST_F(PreviewWindowTest, AClickOnTheWindowItselfClosesIt) {
  RunWith([](HWND preview) { PostMessageA(preview, WM_LBUTTONUP, 0, MAKELPARAM(3, 3)); });
  EXPECT_FALSE(preview_.Visible());
}

TEST_F(PreviewWindowTest, PictureIsCentredOnTheDesktopColour) {
  std::atomic<COLORREF> corner = 0, middle = 0, topLeftOfPicture = 0;
  RunWith([&](HWND preview) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND image = GetWindow(preview, GW_CHILD);
    UpdateWindow(image);
    HDC dc = GetDC(image);
    corner = GetPixel(dc, 1, 1);
    middle = GetPixel(dc, width / 2, height / 2);
    topLeftOfPicture = GetPixel(dc, (width - 200) / 2, (height - 100) / 2);
    ReleaseDC(image, dc);
    PostMessageA(preview, WM_LBUTTONUP, 0, 0);
  });
  EXPECT_EQ(corner.load(), GetSysColor(COLOR_BACKGROUND));
  const uint32_t pattern = test::PatternColor(100, 50);
  EXPECT_EQ(middle.load(), RGB(pattern >> 16, (pattern >> 8) & 0xFF, pattern & 0xFF));
  EXPECT_EQ(topLeftOfPicture.load(), RGB(0, 0, 0)) << "pattern colour of the picture's (0, 0)";
}

}  // namespace
}  // namespace tezun
