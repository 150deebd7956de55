// The one job of TezunDesk: the picture to decorate, read; composed by the plug-in for the primary
// monitor and laid alone for every other; written; set as the monitors and Windows allow.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "plugin_host.h"
#include "schedule.h"
#include "wallpaper_watch.h"

namespace tezun::desk {

class Composition {
 public:
  // `window` is the host window the plug-in is given; the plug-in is loaded at the first need and
  // kept, as the wallpaper program keeps it.
  explicit Composition(HWND window) : window_(window) {}

  // What the wallpaper shows now: ours, the user's new choice, a slideshow.
  static WallpaperSeen Look();

  // Composes the wallpaper and sets it, the user's new choice in `seen` adopted first; a
  // DeskError says what failed, and then the wallpaper, its style and its files are as they
  // were. Returns the local date it composed for.
  LocalDate ComposeAndSet(const WallpaperSeen& seen);

  // Looks, then composes and sets; a DeskError with kExitPaused while a slideshow is on.
  LocalDate ComposeUnlessPaused();

  // Makes `path` the picture to decorate, once it has been read and a copy of it kept; a
  // DeskError, and nothing stored, when it cannot be.
  static void ChoosePicture(const std::wstring& path);

  // The plug-in's settings dialog, on the picture to decorate (or none, when it cannot be read).
  void RunSettings();

 private:
  const PluginHost& Plugin();

  HWND window_;
  std::optional<PluginHost> plugin_;
};

// The local date now.
LocalDate Today();
LocalClock Now();

}  // namespace tezun::desk
