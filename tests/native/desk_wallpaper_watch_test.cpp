#include <gtest/gtest.h>

#include "desk/schedule.h"
#include "desk/wallpaper_watch.h"

namespace tezun::desk {
namespace {

const std::wstring kFolder = L"C:\\Users\\tomo\\AppData\\Local\\TezunDesk";
const std::wstring kOurs = kFolder + L"\\TezunDesk-1.bmp";
const std::wstring kOursOther = kFolder + L"\\TezunDesk-2.monitor2.bmp";
const std::wstring kPhoto = L"C:\\Users\\tomo\\Pictures\\海.jpg";
const std::wstring kTranscoded = L"C:\\Users\\tomo\\AppData\\Roaming\\Microsoft\\Windows\\Themes\\TranscodedWallpaper";

TEST(DeskWallpaperWatch, WhatTheWallpaperShownSays) {
  struct Case {
    const char* what = "";
    std::vector<std::wstring> shown;
    bool slideshow = false, covered = true;
    std::optional<std::wstring> chosenOver;
    WallpaperSeen expected;
  };
  const Case cases[] = {
      {"ours", {kOurs}, false, true, {}, {Seen::Ours, L""}},
      {"ours on every monitor", {kOurs, kOursOther}, false, true, {}, {Seen::Ours, L""}},
      {"the user's new picture", {kPhoto}, false, true, {}, {Seen::UsersChoice, kPhoto}},
      {"on one monitor of two", {kOurs, kPhoto}, false, true, {}, {Seen::UsersChoice, kPhoto}},
      {"a solid colour", {L""}, false, true, {}, {Seen::UsersChoice, L""}},
      {"a monitor without a picture beside ours", {kOurs, L""}, false, true, {}, {Seen::Ours, L""}},
      {"a slideshow, whatever is shown", {kPhoto}, true, true, {}, {Seen::Slideshow, L""}},
      {"nothing covered yet", {kPhoto}, false, false, {}, {Seen::FirstRun, L""}},
      {"the wallpaper a choice in TezunDesk overruled", {kPhoto}, false, true, kPhoto, {Seen::Ours, L""}},
      {"the colour a choice in TezunDesk overruled", {L""}, false, true, L"", {Seen::Ours, L""}},
      {"another picture after that choice", {kTranscoded}, false, true, kPhoto, {Seen::UsersChoice, kTranscoded}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JudgeWallpaper(c.shown, c.slideshow, c.covered, c.chosenOver, kFolder), c.expected) << c.what;
  }
}

TEST(DeskWallpaperWatch, TheShellsRecordOfTheBackground) {
  EXPECT_FALSE(SlideshowByBackgroundType(std::nullopt));
  EXPECT_FALSE(SlideshowByBackgroundType(0)) << "a picture";
  EXPECT_FALSE(SlideshowByBackgroundType(1)) << "a solid colour is the user's to adopt";
  EXPECT_TRUE(SlideshowByBackgroundType(2)) << "a slideshow";
  EXPECT_TRUE(SlideshowByBackgroundType(3)) << "Spotlight";
}

TEST(DeskWallpaperWatch, TheKeptCopyIsReadWhenTheOriginalIsNot) {
  const std::wstring kept = kFolder + L"\\KeptPicture.jpg";
  EXPECT_EQ(PictureSources(kPhoto, kept), (std::vector<std::wstring>{kPhoto, kept}));
  EXPECT_EQ(PictureSources(kPhoto, L""), (std::vector<std::wstring>{kPhoto}));
  EXPECT_EQ(PictureSources(L"", L""), (std::vector<std::wstring>{}));
  // The shell writes its copy again with whatever is set next, our output included.
  EXPECT_TRUE(IsShellCopy(kTranscoded));
  EXPECT_FALSE(IsShellCopy(kPhoto));
  EXPECT_EQ(PictureSources(kTranscoded, kept), (std::vector<std::wstring>{kept}));
  EXPECT_EQ(PictureSources(kTranscoded, L""), (std::vector<std::wstring>{kTranscoded})) << "adopted: read it once";
}

TEST(DeskWallpaperWatch, TheUsersOwnWallpaperWinsOverEveryEvent) {
  constexpr LocalDate kToday{2026, 12, 9};
  struct Case {
    DeskEvent event = DeskEvent::Started;
    Seen seen = Seen::Ours;
    std::optional<LocalDate> composedFor;
    bool paused = false;
    DeskStep expected = DeskStep::Nothing;
  };
  const Case cases[] = {
      {DeskEvent::MinuteCheck, Seen::Ours, kToday, false, DeskStep::Nothing},
      {DeskEvent::MinuteCheck, Seen::UsersChoice, kToday, false, DeskStep::Adopt},
      {DeskEvent::WallpaperChanged, Seen::UsersChoice, kToday, false, DeskStep::Adopt},
      {DeskEvent::WallpaperChanged, Seen::Ours, kToday, false, DeskStep::Nothing},
      {DeskEvent::RefreshAsked, Seen::Slideshow, kToday, false, DeskStep::Pause},
      {DeskEvent::Midnight, Seen::Slideshow, LocalDate{2026, 12, 8}, true, DeskStep::Pause},
      {DeskEvent::MinuteCheck, Seen::Ours, kToday, true, DeskStep::Compose},  // the slideshow was turned off
      {DeskEvent::Started, Seen::FirstRun, std::nullopt, false, DeskStep::Compose},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextStep(c.event, c.seen, c.composedFor, c.paused, kToday), c.expected)
        << "event " << static_cast<int>(c.event) << ", seen " << static_cast<int>(c.seen);
  }
}

TEST(DeskWallpaperWatch, OfTwoEventsWaitingTheOneThatComposesMore) {
  EXPECT_EQ(Gathered(std::nullopt, DeskEvent::WallpaperChanged), DeskEvent::WallpaperChanged);
  EXPECT_EQ(Gathered(DeskEvent::DisplayChanged, DeskEvent::WallpaperChanged), DeskEvent::DisplayChanged);
  EXPECT_EQ(Gathered(DeskEvent::MinuteCheck, DeskEvent::WallpaperChanged), DeskEvent::MinuteCheck);
  EXPECT_EQ(Gathered(DeskEvent::WallpaperChanged, DeskEvent::Midnight), DeskEvent::Midnight);
  EXPECT_EQ(Gathered(DeskEvent::TimeChanged, DeskEvent::RefreshAsked), DeskEvent::RefreshAsked);
}

}  // namespace
}  // namespace tezun::desk
