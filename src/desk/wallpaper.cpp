#include "wallpaper.h"

#include <windows.h>

#include "desk_error.h"
#include "desk_registry.h"
#include "texts.h"

namespace tezun::desk {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kStyleValue[] = L"WallpaperStyle";
constexpr wchar_t kTileValue[] = L"TileWallpaper";

// Windows reads the style when the wallpaper is set: the style first, then the file.
bool Apply(const std::wstring& path, const std::wstring& style, const std::wstring& tile) {
  if (!WriteUserText(kDesktopKey, kStyleValue, style) || !WriteUserText(kDesktopKey, kTileValue, tile)) return false;
  return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(path.c_str()),
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace

std::wstring CurrentWallpaper() {
  wchar_t path[MAX_PATH + 1] = {};
  if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0)) return L"";
  return path;
}

void SetCentredWallpaper(const std::wstring& path) {
  // Centred is WallpaperStyle 0 with TileWallpaper 0.
  if (!Apply(path, L"0", L"0")) {
    throw DeskError{kExitUnwritable, Wide(kCannotSet) + path + L"\n" + ErrorText(GetLastError())};
  }
}

WallpaperState CurrentWallpaperState() {
  return {CurrentWallpaper(), ReadUserText(kDesktopKey, kStyleValue).value_or(L"0"),
          ReadUserText(kDesktopKey, kTileValue).value_or(L"0")};
}

bool SetWallpaperState(const WallpaperState& state) { return Apply(state.path, state.style, state.tile); }

}  // namespace tezun::desk
