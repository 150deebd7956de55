// The monitors, and the shell's wallpaper of each: IDesktopWallpaper where Windows offers it
// (Windows 8 and later, with Explorer running), else the monitors alone, as the display knows
// them. Opened anew for each look: the shell's object lives in Explorer, which may have started
// again since the last one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "handles.h"
#include "monitor_plan.h"

struct IDesktopWallpaper;

namespace tezun::desk {

void ReleaseShellObject(IDesktopWallpaper* shell);

class DesktopShell {
 public:
  // The shell's per-monitor wallpaper; nothing where Windows has none (Windows 7, Explorer not
  // running, Wine).
  static std::optional<DesktopShell> Open();

  // The monitors the shell shows a wallpaper on now, in physical pixels.
  std::vector<Monitor> Monitors() const;
  // Every monitor the shell names, shown now or not (one unplugged for a while is still named).
  std::vector<std::wstring> MonitorIds() const;

  // The file a monitor shows; empty for none.
  std::wstring Wallpaper(const std::wstring& monitor) const;
  HRESULT SetWallpaper(const std::wstring& monitor, const std::wstring& path) const;
  std::optional<int> Position() const;
  HRESULT SetPosition(int position) const;
  std::optional<COLORREF> BackgroundColour() const;
  HRESULT SetBackgroundColour(COLORREF colour) const;
  // Whether a slideshow changes the wallpaper now.
  bool SlideshowOn() const;

 private:
  explicit DesktopShell(IDesktopWallpaper* shell) : shell_(shell) {}
  Owned<IDesktopWallpaper*, ReleaseShellObject> shell_;
};

// The position that shows a file of a monitor's own size pixel for pixel: centred.
constexpr int kCentredPosition = 0;

// The monitors as the display knows them, without the shell's names: in physical pixels, since
// TezunDesk is aware of every monitor's density.
std::vector<Monitor> DisplayMonitors();

}  // namespace tezun::desk
