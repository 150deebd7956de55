#include "bench.h"

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/settings.h"
#include "forms/calender.h"
#include "graphics/bitmap.h"
#include "render/wallpaper_composer.h"

namespace tezunhost {
namespace {

using tezun::BitmapHandle;
using tezun::TCalendarSettings;

constexpr tezun::TDateTime kSomeDay = 46364;  // a fixed date: every run draws the same month

double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

// The median time of `runs` runs of `work`; `prepare` runs untimed before each.
double Median(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    const double start = Seconds();
    work();
    times.push_back(Seconds() - start);
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[runs / 2];
}

// A 24-bit picture with every byte touched, as a decoded wallpaper would be.
BitmapHandle Picture(int width, int height) {
  BitmapHandle bitmap = tezun::CreateBitmap24(width, height);
  DIBSECTION section{};
  GetObjectW(bitmap.get(), sizeof section, &section);
  auto* bytes = static_cast<uint8_t*>(section.dsBm.bmBits);
  const size_t size = static_cast<size_t>(section.dsBm.bmWidthBytes) * height;
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + (i >> 12));
  return bitmap;
}

double MiB(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }
double PictureMiB(int width, int height) { return MiB(static_cast<SIZE_T>((width * 3 + 3) / 4 * 4) * height); }

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

// The bare work any composition has to do: a screen-sized 24-bit bitmap, filled, and one
// screen-sized picture copied onto it.
double Baseline(int width, int height, int runs) {
  const BitmapHandle source = Picture(width, height);
  tezun::MemoryDC sourceDC;
  const tezun::Selection sourceSelected(sourceDC.get(), source.get());
  return Median(
      runs, [] {},
      [&] {
        BitmapHandle target = tezun::CreateBitmap24(width, height);
        tezun::MemoryDC dc;
        const tezun::Selection selected(dc.get(), target.get());
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BACKGROUND));
        BitBlt(dc.get(), 0, 0, width, height, sourceDC.get(), 0, 0, SRCCOPY);
      });
}

double Compose(int width, int height, int pictureWidth, int pictureHeight, const TCalendarSettings& settings,
               int runs) {
  HBITMAP wallpaper = nullptr;
  const double time = Median(
      runs,
      [&] {
        DeleteObject(wallpaper);
        wallpaper = Picture(pictureWidth, pictureHeight).release();
      },
      [&] {
        tezun::ComposeWallpaper(wallpaper, settings, {width, height}, kSomeDay);
      });
  DeleteObject(wallpaper);
  return time;
}

TCalendarSettings Settings(int32_t style1, int32_t style2, bool calendar) {
  TCalendarSettings settings = tezun::DefaultSettings();
  settings.Style1 = style1;
  settings.Style2 = style2;
  if (!calendar) settings.Width = -1;  // a calendar rectangle of negative width draws nothing
  return settings;
}

// The placement window's redraw, alone and as a step of a resize drag, at 800 x 800.
void PlacementWindowRedraw() {
  const tezun::FormClasses classes;
  const TCalendarSettings settings = tezun::DefaultSettings();
  tezun::TfrmCalender window(nullptr, settings);
  window.Place(10, 10, 800, 800);
  window.FormShow();
  const double redraw = Median(
      21, [] {}, [&] { window.RefreshCalendarWindow(); });
  int step = 0;
  const double resize = Median(
      21, [] {}, [&] { window.SetClientSize(800 - (++step % 2) * 8, 800); });
  std::printf("\nplacement window at 800 x 800: redraw %.2f ms, one step of a resize drag %.2f ms\n", redraw * 1e3,
              resize * 1e3);
}

}  // namespace

int Bench() {
  std::printf("%-44s %10s %8s\n", "case", "median ms", "ratio");
  Compose(640, 480, 640, 480, Settings(0, 0, true), 2);  // code, fonts and font files in memory
  const SIZE_T before = Memory().WorkingSetSize;
  double largestBound = 0;
  for (const SIZE screen : {SIZE{1920, 1080}, SIZE{3840, 2160}}) {
    const int w = screen.cx, h = screen.cy;
    const int runs = w > 2000 ? 9 : 21;
    const double baseline = Baseline(w, h, runs);
    std::printf("%4dx%-4d %-34s %10.2f %8s\n", w, h, "baseline: create, fill, copy", baseline * 1e3, "1.00");
    struct Case {
      const char* name;
      int pictureWidth, pictureHeight;
      TCalendarSettings settings;
    };
    const Case cases[] = {
        {"centred, screen-sized picture", w, h, Settings(0, 0, true)},
        {"tiled about the centre, 256 x 256", 256, 256, Settings(1, 1, true)},
        {"tiled about the centre, 1 x 1", 1, 1, Settings(1, 1, true)},
        {"centred, screen-sized, no calendar", w, h, Settings(0, 0, false)},
    };
    double withCalendar = 0, withoutCalendar = 0;
    for (const Case& c : cases) {
      const double time = Compose(w, h, c.pictureWidth, c.pictureHeight, c.settings, runs);
      std::printf("%4dx%-4d %-34s %10.2f %8.2f\n", w, h, c.name, time * 1e3, time / baseline);
      if (&c == &cases[0]) withCalendar = time;
      if (&c == &cases[3]) withoutCalendar = time;
    }
    std::printf("%4dx%-4d %-34s %10s %8.2f\n", w, h, "calendar's share (with / without)", "",
                withCalendar / withoutCalendar);
    largestBound = std::max(largestBound, 2 * PictureMiB(w, h) + 4);
  }
  const PROCESS_MEMORY_COUNTERS memory = Memory();
  std::printf(
      "\npeak working set %.1f MiB, %.1f MiB before the compositions: %.1f MiB for them "
      "(largest output + source + 4 MiB = %.1f MiB)\n",
      MiB(memory.PeakWorkingSetSize), MiB(before), MiB(memory.PeakWorkingSetSize - before), largestBound);
  PlacementWindowRedraw();
  return 0;
}

}  // namespace tezunhost
