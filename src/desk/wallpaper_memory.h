// The desktop before TezunDesk covered it: remembered on the first run, put back by "元の壁紙に
// 戻す" and /restore.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop_shell.h"
#include "wallpaper.h"

namespace tezun::desk {

// The desktop as it is, taken before each setting: what the first run remembers, and what a
// setting that fails puts back.
struct DesktopState {
  WallpaperState single;                                        // the one wallpaper and its style
  std::vector<std::pair<std::wstring, std::wstring>> monitors;  // with the shell: each monitor's file
  std::optional<int> position;                                  // the shell's
  COLORREF colour = 0;
};
DesktopState CurrentDesktop(const DesktopShell* shell, const std::vector<Monitor>& monitors);

// Whether a desktop is remembered: TezunDesk has covered it since.
bool Covered();

// Remembers `before` when nothing is (our own output is nothing to put back). With the shell's
// per-monitor wallpapers (`perMonitor`), each monitor the first time it is covered; and the
// monitors whose ids the shell no longer names (`named`, when there is a shell) are forgotten.
void Remember(const DesktopState& before, const std::wstring& folder, bool perMonitor,
              const std::vector<std::wstring>& named);

// Puts back the remembered desktop, then forgets it, so that a later run remembers afresh. A
// DeskError (kExitUnwritable) when nothing is remembered or Windows refused; nothing is
// forgotten then.
void RestoreRememberedWallpaper();

}  // namespace tezun::desk
