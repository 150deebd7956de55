#include "bench.h"

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
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

// One thing to time: `prepare` and `finish` run untimed before and after each `work`.
struct Trial {
  std::string name;
  std::function<void()> prepare;
  std::function<void()> work;
  std::function<void()> finish;
  std::vector<double> times;

  double Median() {
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
  }
};

// Round after round, every trial once: what slows the machine down meanwhile slows them alike.
void RunSideBySide(std::vector<Trial>& trials, int rounds) {
  for (int round = 0; round < rounds; ++round) {
    for (Trial& trial : trials) {
      if (trial.prepare) trial.prepare();
      const double start = Seconds();
      trial.work();
      trial.times.push_back(Seconds() - start);
      if (trial.finish) trial.finish();
    }
  }
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

TCalendarSettings Settings(int32_t style1, int32_t style2, bool calendar) {
  TCalendarSettings settings = tezun::DefaultSettings();
  settings.Style1 = style1;
  settings.Style2 = style2;
  if (!calendar) settings.Width = -1;  // a calendar rectangle of negative width draws nothing
  return settings;
}

// A composition of a fresh picture each time, as the host hands one over; the result is dropped
// at once, so that only one composition's pictures are alive at a time.
Trial Composition(std::string name, SIZE screen, SIZE picture, const TCalendarSettings& settings) {
  auto wallpaper = std::make_shared<BitmapHandle>();
  return {std::move(name),
          [=] { *wallpaper = Picture(picture.cx, picture.cy); },
          [=] {
            HBITMAP handle = wallpaper->release();
            tezun::ComposeWallpaper(handle, settings, screen, kSomeDay);
            wallpaper->reset(handle);
          },
          [=] { wallpaper->reset(); },
          {}};
}

// The bare work any composition has to do: a screen-sized 24-bit bitmap, filled, and one
// screen-sized picture copied onto it.
Trial Baseline(SIZE screen, HDC source) {
  return {"baseline: create, fill, copy",
          nullptr,
          [=] {
            const BitmapHandle target = tezun::CreateBitmap24(screen.cx, screen.cy);
            const tezun::MemoryDC dc;
            const tezun::Selection selected(dc.get(), target.get());
            const RECT all{0, 0, screen.cx, screen.cy};
            FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BACKGROUND));
            BitBlt(dc.get(), 0, 0, screen.cx, screen.cy, source, 0, 0, SRCCOPY);
          },
          nullptr,
          {}};
}

// The memory one composition takes at its peak, against what it must hold: the picture handed in
// and the screen-sized result. Measured first, while the process's peak is still its own.
void MemoryOfOneComposition(SIZE screen) {
  const SIZE_T before = Memory().WorkingSetSize;
  HBITMAP wallpaper = Picture(screen.cx, screen.cy).release();
  tezun::ComposeWallpaper(wallpaper, Settings(0, 0, true), screen, kSomeDay);
  const SIZE_T peak = Memory().PeakWorkingSetSize;
  DeleteObject(wallpaper);
  std::printf(
      "one %ld x %ld composition of a screen-sized picture: %.1f MiB at its peak "
      "(picture + result + 4 MiB = %.1f MiB)\n\n",
      screen.cx, screen.cy, MiB(peak - before), 2 * PictureMiB(screen.cx, screen.cy) + 4);
}

// The placement window's redraw, alone and as a step of a resize drag, at 800 x 800.
void PlacementWindowRedraw() {
  const tezun::FormClasses classes;
  const TCalendarSettings settings = tezun::DefaultSettings();
  tezun::TfrmCalender window(nullptr, settings);
  window.Place(10, 10, 800, 800);
  window.FormShow();
  int step = 0;
  std::vector<Trial> trials = {
      {"redraw", nullptr, [&] { window.RefreshCalendarWindow(); }, nullptr, {}},
      {"one step of a resize drag", nullptr, [&] { window.SetClientSize(800 - (++step % 2) * 8, 800); }, nullptr, {}},
  };
  RunSideBySide(trials, 21);
  std::printf("\nplacement window at 800 x 800: %s %.2f ms, %s %.2f ms\n", trials[0].name.c_str(),
              trials[0].Median() * 1e3, trials[1].name.c_str(), trials[1].Median() * 1e3);
}

}  // namespace

int Bench() {
  std::vector<Trial> warmUp = {Composition("", {640, 480}, {640, 480}, Settings(0, 0, true))};
  RunSideBySide(warmUp, 2);  // code, fonts and font files in memory first
  MemoryOfOneComposition({3840, 2160});
  std::printf("%-44s %10s %8s\n", "case", "median ms", "ratio");
  for (const SIZE screen : {SIZE{1920, 1080}, SIZE{3840, 2160}}) {
    const BitmapHandle source = Picture(screen.cx, screen.cy);
    const tezun::MemoryDC sourceDC;
    const tezun::Selection sourceSelected(sourceDC.get(), source.get());
    std::vector<Trial> trials = {
        Baseline(screen, sourceDC.get()),
        Composition("centred, screen-sized picture", screen, screen, Settings(0, 0, true)),
        Composition("tiled about the centre, 256 x 256", screen, {256, 256}, Settings(1, 1, true)),
        Composition("tiled about the centre, 1 x 1", screen, {1, 1}, Settings(1, 1, true)),
        Composition("centred, screen-sized, no calendar", screen, screen, Settings(0, 0, false)),
    };
    RunSideBySide(trials, screen.cx > 2000 ? 15 : 61);
    const double baseline = trials[0].Median();
    for (Trial& trial : trials) {
      const double time = trial.Median();
      std::printf("%4ldx%-4ld %-34s %10.2f %8.2f\n", screen.cx, screen.cy, trial.name.c_str(), time * 1e3,
                  time / baseline);
    }
    std::printf("%4ldx%-4ld %-34s %10s %8.2f\n", screen.cx, screen.cy, "calendar's share (with / without)", "",
                trials[1].Median() / trials[4].Median());
  }
  PlacementWindowRedraw();
  return 0;
}

}  // namespace tezunhost
