#include <gtest/gtest.h>

#include "desk/picture_choice.h"

namespace tezun::desk {
namespace {

const std::wstring kFolder = L"C:\\Users\\tomo\\AppData\\Local\\TezunDesk";
const std::wstring kOurFirst = kFolder + L"\\TezunDesk-1.bmp";
const std::wstring kOurSecond = kFolder + L"\\TezunDesk-2.bmp";
const std::wstring kPhoto = L"C:\\Users\\tomo\\Pictures\\海.jpg";

TEST(DeskPictureChoice, OwnOutputIsRecognisedAsWindowsComparesPaths) {
  struct Case {
    std::wstring path;
    bool own = false;
  };
  const Case cases[] = {
      {kOurFirst, true},
      {L"c:/users/TOMO/appdata/local/tezundesk/TezunDesk-2.bmp", true},
      {kFolder + L"\\old\\picture.bmp", true},
      {kFolder, false},  // the folder itself is no file of ours
      {kFolder + L"\\", false},
      {kFolder + L"2\\TezunDesk-1.bmp", false},  // a folder whose name only begins like ours
      {kPhoto, false},
      {L"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsOwnOutput(c.path, kFolder), c.own) << std::string(c.path.begin(), c.path.end());
  }
  EXPECT_FALSE(IsOwnOutput(kOurFirst, L"")) << "without a folder nothing is ours";
}

TEST(DeskPictureChoice, ThePictureIsNeverOurOwnOutput) {
  struct Case {
    std::wstring chosen, current, expected;
  };
  const Case cases[] = {
      {kPhoto, kOurFirst, kPhoto},                    // the usual case: chosen, and our output shown
      {L"", kPhoto, kPhoto},                          // the first run takes what Windows shows
      {L"", kOurSecond, L""},                         // composing again gives the same picture
      {kOurFirst, kOurSecond, L""},                   // even when our output was chosen by hand
      {kOurFirst, kPhoto, kPhoto},  {L"", L"", L""},  // no wallpaper: the calendar on the desktop colour
  };
  for (const Case& c : cases) EXPECT_EQ(ChoosePicture(c.chosen, c.current, kFolder), c.expected);
}

TEST(DeskPictureChoice, TheFirstRunRemembersTheWallpaperToPutBack) {
  EXPECT_EQ(WallpaperToRemember(false, kPhoto, kFolder), kPhoto);
  EXPECT_EQ(WallpaperToRemember(false, L"", kFolder), L"");
  EXPECT_EQ(WallpaperToRemember(false, kOurFirst, kFolder), L"") << "our own output is nothing to put back";
  EXPECT_EQ(WallpaperToRemember(true, kPhoto, kFolder), std::nullopt) << "remembered once, kept";
}

TEST(DeskPictureChoice, TwoNamesTakeTurns) {
  EXPECT_EQ(NextOutputPath(kFolder, kPhoto), kOurFirst);
  EXPECT_EQ(NextOutputPath(kFolder, kOurFirst), kOurSecond);
  EXPECT_EQ(NextOutputPath(kFolder, kOurSecond), kOurFirst);
  EXPECT_EQ(NextOutputPath(kFolder, L"C:/USERS/tomo/AppData/Local/TezunDesk/tezundesk-1.BMP"), kOurSecond);
  EXPECT_EQ(NextOutputPath(kFolder + L"\\", L""), kOurFirst);
}

}  // namespace
}  // namespace tezun::desk
