#include "wallpaper.h"

#include <versionhelpers.h>

#include "desk_error.h"
#include "desk_registry.h"
#include "texts.h"
#include "wallpaper_watch.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kStyleValue[] = L"WallpaperStyle";
constexpr wchar_t kTileValue[] = L"TileWallpaper";
constexpr wchar_t kColoursKey[] = L"Control Panel\\Colors";
constexpr wchar_t kWallpapersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Wallpapers";

bool WriteStyle(const WallpaperState& state) {
  return WriteUserText(kDesktopKey, kStyleValue, state.style) && WriteUserText(kDesktopKey, kTileValue, state.tile);
}

}  // namespace

std::wstring CurrentWallpaper() {
  // As the user's profile keeps it, which every process reads alike; Wine answers the question
  // below from what the asking process itself saw last, and misses another's change.
  if (auto path = ReadUserText(kDesktopKey, L"Wallpaper")) return *path;
  wchar_t path[MAX_PATH + 1] = {};
  if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0)) return L"";
  return path;
}

WallpaperState CurrentWallpaperState() {
  return {CurrentWallpaper(), ReadUserText(kDesktopKey, kStyleValue).value_or(L"0"),
          ReadUserText(kDesktopKey, kTileValue).value_or(L"0")};
}

WallpaperState Centred(const std::wstring& path) { return {path, L"0", L"0"}; }
WallpaperState Spanned(const std::wstring& path) { return {path, L"22", L"0"}; }
WallpaperState Tiled(const std::wstring& path) { return {path, L"0", L"1"}; }

void SetWallpaperState(const WallpaperState& state) {
  // Windows reads the style when the wallpaper is set: the style first, then the file.
  const WallpaperState before = CurrentWallpaperState();
  DWORD error = ERROR_WRITE_FAULT;
  if (WriteStyle(state)) {
    if (SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(state.path.c_str()),
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
      return;
    }
    error = GetLastError();
  }
  WriteStyle(before);  // the wallpaper shown is still the one before: so is its style
  throw DeskError{kExitUnwritable, Wide(kCannotSet) + state.path + L"\n" + ErrorText(error)};
}

bool SpanKnown() { return IsWindows8OrGreater(); }

bool SlideshowByShell() { return SlideshowByBackgroundType(ReadUserNumber(kWallpapersKey, L"BackgroundType")); }

COLORREF DesktopColour() { return GetSysColor(COLOR_BACKGROUND); }

bool SetDesktopColour(COLORREF colour) {
  const int element = COLOR_BACKGROUND;
  if (!SetSysColors(1, &element, &colour)) return false;
  // What the next session starts with, as the colour settings write it.
  return WriteUserText(kColoursKey, L"Background",
                       std::to_wstring(GetRValue(colour)) + L" " + std::to_wstring(GetGValue(colour)) + L" " +
                           std::to_wstring(GetBValue(colour)));
}

}  // namespace tezun::desk
