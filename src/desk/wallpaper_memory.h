// The wallpaper remembered on the first run, put back by "元の壁紙に戻す" and /restore.
#pragma once

namespace tezun::desk {

// Puts back the remembered wallpaper and its style; false when nothing is remembered or Windows
// refused it.
bool RestoreRememberedWallpaper();

}  // namespace tezun::desk
