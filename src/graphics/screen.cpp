#include "screen.h"

#include "gdi_handles.h"

namespace tezun {

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

namespace {
std::optional<int> fixedDepth;
}

void FixDisplayDepthForTesting(std::optional<int> bitsPerPixel) { fixedDepth = bitsPerPixel; }

int ScreenBitsPerPixel() {
  if (fixedDepth) return *fixedDepth;
  ScreenDC screen;
  return GetDeviceCaps(screen.get(), BITSPIXEL);
}

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    ScreenDC screen;
    const int value = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

COLORREF ColorToRGB(int32_t color) { return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color); }

}  // namespace tezun
