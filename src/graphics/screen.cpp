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

SetThreadDpiContext ThreadDpiSwitch() {
  if (threadAwarenessHidden) return nullptr;
  static const auto function = reinterpret_cast<SetThreadDpiContext>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
  return function;
}

std::optional<SIZE> PhysicalScreenSize() {
  if (const SetThreadDpiContext setContext = ThreadDpiSwitch()) {
    // Only the two metrics are read while switched: no window is made, nothing else changes.
    if (const DpiContext previous = setContext(kPerMonitorAware)) {
      const SIZE size = ScreenSize();
      setContext(previous);
      if (size.cx > 0 && size.cy > 0) return size;
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
  ScreenDC screen;
  const int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return value > 0 ? value : 96;
}

ScreenGeometry MeasureScreen() {
  ScreenGeometry screen = UnscaledScreen(ScreenSize());
  if (const auto physical = PhysicalScreenSize(); physical && screen.seen.cx > 0 && screen.seen.cy > 0) {
    screen.physical = *physical;
  }
  return screen;
}

ScreenGeometry UnscaledScreen(SIZE screen) { return {screen, screen, ScreenPixelsPerInch()}; }

COLORREF ColorToRGB(int32_t color) { return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color); }

}  // namespace tezun
