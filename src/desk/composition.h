// The one job of TezunDesk: the picture to decorate, read; composed by the plug-in; written; set.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "plugin_host.h"
#include "schedule.h"

namespace tezun::desk {

class Composition {
 public:
  // `window` is the host window the plug-in is given; the plug-in is loaded at the first need and
  // kept, as the wallpaper program keeps it.
  explicit Composition(HWND window) : window_(window) {}

  // Composes the wallpaper and sets it; a DeskError says what failed, and then the wallpaper and
  // its file are as they were. Returns the local date it composed for.
  LocalDate ComposeAndSet();

  // Makes `path` the picture to decorate, once it has been read; a DeskError, and nothing stored,
  // when it cannot be.
  static void ChoosePicture(const std::wstring& path);

  // The plug-in's settings dialog, on the picture to decorate (or none, when it cannot be read).
  void RunSettings();

  // TezunDesk's folder for its output, created when missing.
  static std::wstring OutputFolder();

 private:
  const PluginHost& Plugin();

  HWND window_;
  std::optional<PluginHost> plugin_;
};

// The local date now.
LocalDate Today();
LocalClock Now();

}  // namespace tezun::desk
