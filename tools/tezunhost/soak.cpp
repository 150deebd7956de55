#include "soak.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include "process_resources.h"
#include "stored_options.h"

namespace tezunhost {
namespace {

constexpr char kKey[] = "Software\\TezunSoak";
constexpr int kWarmUpCalls = 50;

// A calendar of this month's events, weekly and daily, in a zone the file defines and in one it
// names: what the plug-in reads, keeps, and lets go when it is unloaded.
std::string CalendarFile() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "tezun-soak-" + std::to_string(GetCurrentProcessId()) + ".ics";
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char month[8];
  std::snprintf(month, sizeof month, "%04u%02u", now.wYear, now.wMonth);
  std::ofstream(path, std::ios::binary)
      << "BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:Tokyo Standard Time\r\nBEGIN:STANDARD\r\n"
      << "DTSTART:16010101T000000\r\nTZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
      << "BEGIN:VEVENT\r\nUID:w\r\nDTSTART;TZID=\"Tokyo Standard Time\":" << month << "01T093000\r\n"
      << "RRULE:FREQ=WEEKLY\r\nSUMMARY:weekly\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:d\r\n"
      << "DTSTART;TZID=America/New_York:" << month << "01T180000\r\nRRULE:FREQ=DAILY;COUNT=20\r\n"
      << "SUMMARY:daily\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  return path;
}

// The settings of call `i`: centred and tiled both ways, each with both of today's marks; with the
// events of a calendar file when one is given.
void StoreSettings(int i, const std::string& calendar) {
  StoreOptions(kKey, {{"Style1", std::to_string((i / 2) % 3 != 0)},
                      {"Style2", std::to_string((i / 2) % 3 == 2)},
                      {"TodayStyle", std::to_string(i % 2)},
                      {"Width", "300"},
                      {"Height", "280"},
                      {"Events", calendar}});
}

HBITMAP Wallpaper(int i) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 64 + i % 7;
  info.bmiHeader.biHeight = 48 + i % 5;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

double MiB(double bytes) { return bytes / (1024.0 * 1024.0); }

}  // namespace

int Soak(const std::wstring& pluginPath, int calls, bool reload) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  int stillValid = 0, wrongResults = 0;
  ProcessResources before;
  // Wine's comdlg32 leaves a handle behind each time it is unloaded, and the plug-in imports it
  // for its Open and colour dialogs: a process that held no comdlg32 of its own would count one
  // handle more at every reload. A wallpaper program has its own Open dialog to pick pictures
  // with, so comdlg32 stays loaded, and the soak measures what the plug-in itself keeps.
  const HMODULE commonDialogs = reload ? LoadLibraryW(L"comdlg32.dll") : nullptr;
  // Reloading, each load reads the calendar and lets go of it all when it is unloaded; the calls in
  // one process would only find it unchanged, at some time each.
  const std::string calendar = reload ? CalendarFile() : std::string();
  std::optional<PluginModule> loaded;
  for (int i = 0; i < kWarmUpCalls + calls; ++i) {
    if (i == kWarmUpCalls) before = MeasureProcessResources();  // after fonts and caches are in place
    // Reloading, every other call keeps the settings of the call before, as a host that changes
    // nothing between its calls does.
    if (!reload || i % 2 == 0) StoreSettings(i, calendar);
    if (!loaded) loaded.emplace(pluginPath);
    HBITMAP given = Wallpaper(i);
    HBITMAP wallpaper = given;
    loaded->ExecutePlugIn(nullptr, kKey, &wallpaper);
    if (reload) loaded.reset();
    if (GetObjectType(given) != 0) ++stillValid;
    BITMAP shape{};
    if (wallpaper == given || !GetObjectW(wallpaper, sizeof shape, &shape) || shape.bmWidth != width ||
        shape.bmHeight != height || shape.bmBitsPixel != 24) {
      ++wrongResults;
    }
    DeleteObject(wallpaper);
  }
  const ProcessResources after = MeasureProcessResources();
  if (commonDialogs) FreeLibrary(commonDialogs);
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  if (reload) DeleteFileA(calendar.c_str());

  const double privateGrowth = static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes);
  const long handleGrowth = static_cast<long>(after.handles) - static_cast<long>(before.handles);
  const long gdiGrowth = static_cast<long>(after.gdiObjects) - static_cast<long>(before.gdiObjects);
  // Noise allowances: the heap grows in steps, and a handle or two may come and go with the system.
  const bool flat = privateGrowth <= 2.0 * 1024 * 1024 && handleGrowth <= 4 && gdiGrowth <= 16;

  std::printf("%d calls of ExecutePlugIn on a %d x %d screen (centred and tiled, both marks for today)%s\n", calls,
              width, height,
              reload ? ", the plug-in loaded for each, reading a calendar's events, and unloaded after it" : "");
  std::printf("%-34s %12s %12s %10s\n", "", "before", "after", "growth");
  std::printf("%-34s %9.2f MiB %9.2f MiB %+7.2f MiB\n", "private bytes", MiB(static_cast<double>(before.privateBytes)),
              MiB(static_cast<double>(after.privateBytes)), MiB(privateGrowth));
  std::printf("%-34s %12lu %12lu %+10ld\n", "handles", before.handles, after.handles, handleGrowth);
  std::printf("%-34s %12lu %12lu %+10ld\n", after.gdiReported ? "GDI objects" : "GDI objects (estimated from slots)",
              before.gdiObjects, after.gdiObjects, gdiGrowth);
  std::printf("handles passed in and still valid afterwards: %d of %d\n", stillValid, kWarmUpCalls + calls);
  std::printf("results not a new screen-sized 24-bit bitmap: %d of %d\n", wrongResults, kWarmUpCalls + calls);
  const bool ok = flat && stillValid == 0 && wrongResults == 0;
  std::printf("%s\n", ok ? "flat: yes" : "flat: NO");
  return ok ? 0 : 1;
}

}  // namespace tezunhost
