#include "wallpaper_memory.h"

#include "desk_registry.h"
#include "wallpaper.h"

namespace tezun::desk {

bool RestoreRememberedWallpaper() {
  const auto path = ReadDeskValue(kRememberedWallpaperValue);
  if (!path) return false;
  return SetWallpaperState(
      {*path, ReadDeskValue(kRememberedStyleValue).value_or(L"0"), ReadDeskValue(kRememberedTileValue).value_or(L"0")});
}

}  // namespace tezun::desk
