#include "screen.h"

#include "gdi_handles.h"

namespace tezun {
namespace {

std::optional<int> fixedDepth;
bool threadAwarenessHidden = false;
bool displayModeHidden = false;

// SetThreadDpiAwarenessContext, from Windows 10 1607 on; older headers do not know its types.
using DpiContext = HANDLE;
using SetThreadDpiContext = DpiContext(WINAPI*)(DpiContext);
const DpiContext kPerMonitorAware = reinterpret_cast<DpiContext>(static_cast<INT_PTR>(-3));

template <class Function>
Function User32(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// Looked up when the module loads (Windows 10 1607 and later have them). A static inside a
// function would be made on its first call behind a guard, and the guard's once-only lock leaves
// per-thread data behind in the calling thread that a module unloaded before the thread ends can
// never free.
const auto setThreadDpiContext = User32<SetThreadDpiContext>("SetThreadDpiAwarenessContext");
const auto dpiForSystem = User32<UINT(WINAPI*)()>("GetDpiForSystem");  // as the calling thread sees it

SetThreadDpiContext ThreadDpiSwitch() { return threadAwarenessHidden ? nullptr : setThreadDpiContext; }

// The primary monitor as the calling thread sees it. Every lookup of the monitors, the screen's
// metrics included, costs Wine a round trip to its server: the monitor is looked up again only
// when the one found before is gone or no longer the primary.
HMONITOR primaryMonitor = nullptr;

std::optional<SIZE> PrimaryMonitorSize() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!primaryMonitor || !GetMonitorInfoA(primaryMonitor, &info) || !(info.dwFlags & MONITORINFOF_PRIMARY)) {
    primaryMonitor = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);  // the primary's corner is 0, 0
    if (!GetMonitorInfoA(primaryMonitor, &info)) return std::nullopt;
  }
  const SIZE size{info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
  if (size.cx <= 0 || size.cy <= 0) return std::nullopt;
  return size;
}

SIZE SeenScreenSize() { return PrimaryMonitorSize().value_or(ScreenSize()); }

// The real size found last, with what it was found for: the size the thread saw and the
// densities of the thread and of the system. The real size changes only with one of them.
struct PhysicalSize {
  SIZE seen{};
  int seenDpi = 0;
  int systemDpi = 0;
  SIZE physical{};
} lastPhysical;

std::optional<SIZE> PhysicalScreenSize(SIZE seen, int seenDpi) {
  if (const SetThreadDpiContext setContext = ThreadDpiSwitch()) {
    // Only the density and the monitor are read while switched: no window is made, nothing else
    // changes.
    if (const DpiContext previous = setContext(kPerMonitorAware)) {
      const int systemDpi = dpiForSystem ? static_cast<int>(dpiForSystem()) : 0;
      const PhysicalSize& last = lastPhysical;
      const bool known = systemDpi != 0 && last.seen.cx == seen.cx && last.seen.cy == seen.cy &&
                         last.seenDpi == seenDpi && last.systemDpi == systemDpi;
      const SIZE size = known ? last.physical : SeenScreenSize();
      setContext(previous);
      if (size.cx > 0 && size.cy > 0) {
        lastPhysical = {seen, seenDpi, systemDpi, size};
        return size;
      }
    }
  }
  if (!displayModeHidden) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmPelsWidth > 0 && mode.dmPelsHeight > 0) {
      return SIZE{static_cast<LONG>(mode.dmPelsWidth), static_cast<LONG>(mode.dmPelsHeight)};
    }
  }
  return std::nullopt;
}

}  // namespace

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void FixDisplayDepthForTesting(std::optional<int> bitsPerPixel) { fixedDepth = bitsPerPixel; }

void HidePhysicalSizeSourcesForTesting(bool threadAwareness, bool displayMode) {
  threadAwarenessHidden = threadAwareness;
  displayModeHidden = displayMode;
}

int ScreenBitsPerPixel() {
  if (fixedDepth) return *fixedDepth;
  ScreenDC screen;
  return GetDeviceCaps(screen.get(), BITSPIXEL);
}

int ScreenPixelsPerInch() {
  // Read each time: it depends on the calling thread's DPI awareness, which may change.
  if (dpiForSystem) return static_cast<int>(dpiForSystem());
  ScreenDC screen;
  const int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return value > 0 ? value : 96;
}

ScreenGeometry MeasureScreen() {
  ScreenGeometry screen = UnscaledScreen(SeenScreenSize());
  if (screen.seen.cx > 0 && screen.seen.cy > 0) {
    if (const auto physical = PhysicalScreenSize(screen.seen, screen.pixelsPerInch)) screen.physical = *physical;
  }
  return screen;
}

ScreenGeometry UnscaledScreen(SIZE screen) { return {screen, screen, ScreenPixelsPerInch()}; }

COLORREF ColorToRGB(int32_t color) { return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color); }

}  // namespace tezun
