// The resident TezunDesk in this process: its window, its icon and the messages that make it
// compose, against the real registry, real GDI and the real wallpaper of the test's prefix.
#include <windows.h>
// after windows.h, which they need
#include <gtest/gtest.h>
#include <shellapi.h>
#include <wtsapi32.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "desk/resident_window.h"
#include "desk/single_instance.h"
#include "desk/wallpaper.h"
#include "process_resources.h"
#include "support/desk_driver.h"

namespace tezun::desk {
namespace {

using test::IconIsShown;
using test::ResidentDesk;

TEST_F(ResidentDesk, TheEventsThatMakeItCompose) {
  struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
  };
  const Case cases[] = {
      {"WM_TIMECHANGE", WM_TIMECHANGE, 0},
      {"WM_DISPLAYCHANGE", WM_DISPLAYCHANGE, 32},
      {"resume from sleep", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
      {"the session unlocked", WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK},
      {"the desktop colour", WM_SYSCOLORCHANGE, 0},
      {"a second start's request", ComposeNowMessage(), 0},
  };
  for (const Case& c : cases) EXPECT_TRUE(Composes(c.message, c.wParam, 0)) << c.what;
  EXPECT_EQ(CurrentWallpaperState().style, L"0") << "centred";
}

TEST_F(ResidentDesk, WhatLeavesThePictureAloneDoesNotCompose) {
  struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
  };
  const Case cases[] = {
      {"the session locked", WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK},
      {"a wallpaper announced (ours among them)", WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER},
      {"going to sleep", WM_POWERBROADCAST, PBT_APMSUSPEND},
  };
  // Longer than the gathering of bursts, which the composing events wait out.
  for (const Case& c : cases) EXPECT_FALSE(Composes(c.message, c.wParam, 0, 4000)) << c.what;
}

TEST_F(ResidentDesk, TheIconComesBackWhenExplorerStartsAgain) {
  ASSERT_TRUE(IconIsShown(window_->handle())) << "the icon is there after the start";
  // A new Explorer knows none of the icons the old one had.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_->handle();
  data.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &data);
  ASSERT_FALSE(IconIsShown(window_->handle())) << "the icon could not be taken away";
  SendMessageW(window_->handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(IconIsShown(window_->handle()));
}

TEST_F(ResidentDesk, TenCompositionsAtTheScreensSize) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) SendMessageW(window_->handle(), ComposeNowMessage(), 0, 0);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(window_->compositions(), 11u);
  // What one composition and setting costs at this screen's size; printed for the README.
  std::printf("one composition and setting at %d x %d: %.1f ms\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN), seconds * 100);
}

TEST_F(ResidentDesk, HandlesFlatOverTwoHundredCompositions) {
  // The first compositions load what stays loaded (the plug-in, the codecs): then measure.
  for (int i = 0; i < 20; ++i) SendMessageW(window_->handle(), ComposeNowMessage(), 0, 0);
  const tezunhost::ProcessResources before = tezunhost::MeasureProcessResources();
  const auto start = std::chrono::steady_clock::now();
  // What a composition makes and could leave behind is a handle (a file, a key), a GDI object, or a
  // picture of megabytes (the decoded one, the plug-in's, the written one): one of those left
  // behind each time passes the bounds below many times over in two hundred compositions.
  constexpr unsigned kCompositions = 200;
  for (unsigned i = 0; i < kCompositions; ++i) SendMessageW(window_->handle(), ComposeNowMessage(), 0, 0);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const tezunhost::ProcessResources after = tezunhost::MeasureProcessResources();
  EXPECT_EQ(window_->compositions(), 1u + 20 + kCompositions) << "every request composed";
  // What the resident process costs; printed for the README.
  std::printf(
      "%u compositions: %.1f ms each; handles %lu -> %lu, GDI objects %lu -> %lu%s, private bytes %.1f -> "
      "%.1f MiB\n",
      kCompositions, seconds * 1000 / kCompositions, static_cast<unsigned long>(before.handles),
      static_cast<unsigned long>(after.handles), static_cast<unsigned long>(before.gdiObjects),
      static_cast<unsigned long>(after.gdiObjects), after.gdiReported ? "" : " (estimated)",
      static_cast<double>(before.privateBytes) / 1048576.0, static_cast<double>(after.privateBytes) / 1048576.0);
  EXPECT_LE(after.handles, before.handles + 4) << "kernel handles grow";
  EXPECT_LE(after.gdiObjects, before.gdiObjects + 4) << "GDI objects grow";
  EXPECT_LE(after.privateBytes, before.privateBytes + (SIZE_T{16} << 20)) << "memory grows";
}

}  // namespace
}  // namespace tezun::desk
