#include "exports.h"

#include <cstring>

#include "call_frame.h"
#include "graphics/gdi_handles.h"
#include "texts.h"

namespace tezun {
namespace {

// A screen-sized 24-bit picture of the desktop background colour.
HBITMAP MakeDesktopPicture() {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  BitmapHandle picture(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC dc;
  if (!picture || !dc) return nullptr;
  {
    Selection selected(dc.get(), picture.get());
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BACKGROUND));
  }
  return picture.release();
}

}  // namespace
}  // namespace tezun

using namespace tezun;

extern "C" int32_t __stdcall ExecutePlugIn(HWND hostWindow, const char* registryKey, HBITMAP* wallpaper) {
  Contained([&] {
    CallFrame frame(hostWindow, registryKey);
    frame.LoadSettings();
    if (!wallpaper) return;
    // The host's picture is given up only once a new one exists.
    if (HBITMAP picture = MakeDesktopPicture()) {
      DeleteObject(std::exchange(*wallpaper, picture));
    }
  });
  return 0;
}

extern "C" int32_t __stdcall SettingPlugIn(HWND hostWindow, const char* registryKey, HBITMAP wallpaper) {
  BitmapHandle hostPicture(wallpaper);  // ours from here on, whatever happens
  Contained([&] {
    CallFrame frame(hostWindow, registryKey);
    frame.LoadSettings();
  });
  return 0;
}

extern "C" int32_t __stdcall GetPlugInInfo(int32_t infoType, char* buffer) {
  if (!buffer) return 0;
  static const char* const kTexts[] = {"B", kPlugInDisplayName, "0106", "10"};
  buffer[0] = '\0';
  if (infoType >= 0 && infoType < 4) std::strcpy(buffer, kTexts[infoType]);
  return 0;
}
