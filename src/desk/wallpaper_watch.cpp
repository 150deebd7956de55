#include "wallpaper_watch.h"

#include <algorithm>

#include "picture_choice.h"

namespace tezun::desk {
namespace {

// The shell keeps its copies of the wallpaper here, below the user's roaming folder.
constexpr wchar_t kShellCopies[] = L"\\microsoft\\windows\\themes\\";

}  // namespace

WallpaperSeen JudgeWallpaper(const std::vector<std::wstring>& shown, bool slideshow, bool covered,
                             const std::optional<std::wstring>& chosenOver, const std::wstring& outputFolder) {
  if (slideshow) return {Seen::Slideshow, L""};
  if (!covered) return {Seen::FirstRun, L""};
  const auto overruled = [&](const std::wstring& path) { return chosenOver && SamePath(path, *chosenOver); };
  for (const std::wstring& path : shown) {
    if (!path.empty() && !IsOwnOutput(path, outputFolder) && !overruled(path)) return {Seen::UsersChoice, path};
  }
  // No picture on any monitor: the user chose a solid colour.
  const bool solidColour =
      !shown.empty() && std::all_of(shown.begin(), shown.end(), [](const std::wstring& p) { return p.empty(); });
  if (solidColour && !overruled(L"")) return {Seen::UsersChoice, L""};
  return {Seen::Ours, L""};
}

bool SlideshowByBackgroundType(std::optional<unsigned long> backgroundType) {
  return backgroundType && *backgroundType != 0 && *backgroundType != 1;
}

bool IsShellCopy(const std::wstring& path) { return FoldedPath(path).find(kShellCopies) != std::wstring::npos; }

std::vector<std::wstring> PictureSources(const std::wstring& original, const std::wstring& kept) {
  std::vector<std::wstring> sources;
  if (!original.empty() && !(IsShellCopy(original) && !kept.empty())) sources.push_back(original);
  if (!kept.empty() && !SamePath(kept, original)) sources.push_back(kept);
  return sources;
}

}  // namespace tezun::desk
