// What the wallpaper Windows shows says about the user's wishes: our own picture, a new choice of
// theirs to decorate from now on, or a slideshow they want left alone. Decided from what is seen
// alone, so that TezunDesk never fights a choice the user made after it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tezun::desk {

enum class Seen {
  Ours,         // our output, or nothing that says otherwise: compose as the events say
  FirstRun,     // nothing covered yet: the wallpaper shown is the one to remember
  UsersChoice,  // the user set another wallpaper after ours: adopt it
  Slideshow,    // a slideshow or Spotlight changes the wallpaper: compose nothing
};

struct WallpaperSeen {
  Seen what = Seen::Ours;
  std::wstring picture;  // UsersChoice: the file to decorate from now on; empty for a solid colour
  bool operator==(const WallpaperSeen&) const = default;
};

// `shown`: the file of each monitor (one for the whole desktop where Windows keeps one), empty
// where it shows no picture. `covered`: TezunDesk has set its output since the wallpaper was
// remembered. `chosenOver`: the wallpaper that was shown when the user last chose a picture in
// TezunDesk, which that choice overrules.
WallpaperSeen JudgeWallpaper(const std::vector<std::wstring>& shown, bool slideshow, bool covered,
                             const std::optional<std::wstring>& chosenOver, const std::wstring& outputFolder);

// Whether the shell's "BackgroundType" says that a slideshow (2) or Spotlight (3) is on. 0 is a
// picture and 1 a solid colour, both the user's to adopt; a value missing says nothing.
bool SlideshowByBackgroundType(std::optional<unsigned long> backgroundType);

// Whether `path` is one of the shell's own copies of a wallpaper (TranscodedWallpaper and the
// cached files beside it under ...\Microsoft\Windows\Themes\), which Windows writes again with
// whatever is set next, our output included.
bool IsShellCopy(const std::wstring& path);

// The files to read the picture to decorate from, in turn: the original, then the copy TezunDesk
// kept of it. The copy alone for one of the shell's copies, which may hold our output by now.
std::vector<std::wstring> PictureSources(const std::wstring& original, const std::wstring& kept);

}  // namespace tezun::desk
