#include "bench.h"

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bench_calendars.h"
#include "bench_calls.h"
#include "core/settings_store.h"
#include "dpi_awareness.h"
#include "events_bench.h"
#include "graphics/bitmap.h"
#include "plugin/stored_settings.h"
#include "plugin/win32_registry.h"
#include "render/calendar_renderer.h"
#include "render/wallpaper_composer.h"
#include "stored_options.h"
#include "text_bench.h"
#include "trial.h"
#include "window_bench.h"

namespace tezunhost {
namespace {

using tezun::BitmapHandle;
using tezun::TCalendarSettings;

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

Trial Composition(std::string name, SIZE screen, SIZE picture, const TCalendarSettings& settings) {
  return CallAgain(std::move(name), picture,
                   [=](HBITMAP& handle) { tezun::ComposeWallpaper(handle, settings, screen, kSomeDay); });
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

// A list of a thousand own days, of every form: single days over thirty years, yearly days and
// ranges, working days.
std::string ThousandOwnDays() {
  std::string list;
  for (int i = 0; i < 1000; ++i) {
    char line[64];
    if (i % 4 == 3) {
      std::snprintf(line, sizeof line, "%02d-%02d..%02d-%02d yearly %d\r\n", i % 12 + 1, i % 28 + 1, i % 12 + 1,
                    i % 28 + 1, i);
    } else {
      std::snprintf(line, sizeof line, "%s%04d-%02d-%02d own day %d\r\n", i % 10 == 0 ? "-" : "", 2000 + i % 30,
                    i % 12 + 1, i % 28 + 1, i);
    }
    list += line;
  }
  return list;
}

// The same from a thread that declares no DPI awareness, as old hosts are. On a scaled screen it
// sees a smaller screen, and the call composes at the real one all the same.
Trial UnawareWholeCall(std::string name, const PluginModule& plugin, const BenchKey& key, SIZE picture) {
  return CallAgain(std::move(name), picture, [&plugin, &key](HBITMAP& handle) {
    const DpiContext previous = SetThreadDpiUnaware();
    plugin.ExecutePlugIn(nullptr, key.HostKey(), &handle);
    RestoreThreadDpi(previous);
  });
}

// What a DPI-unaware thread sees of the screen; nothing where no thread can be made unaware.
std::optional<SIZE> ScreenSeenUnaware() {
  const DpiContext previous = SetThreadDpiUnaware();
  if (!previous) return std::nullopt;
  const SIZE seen = tezun::ScreenSize();
  RestoreThreadDpi(previous);
  return seen;
}

// The calendar drawn on a canvas, once untimed before each timed drawing, as by the call before.
Trial DrawnAgain(std::string name, tezun::TCanvas& canvas, const tezun::Rect& rect, const TCalendarSettings& settings) {
  auto draw = [&canvas, rect, settings] { tezun::RenderCalendar(canvas, rect, settings, kSomeDay); };
  return {std::move(name), draw, draw, nullptr, {}};
}

// One centred call taken apart, each part timed as the call does it: the store opened, loaded and
// closed; the composition without the calendar; the calendar drawn on a screen-sized picture.
// Whatever the whole call takes beyond them is the rest.
void BreakdownOfOneCall(const PluginModule& plugin, SIZE screen) {
  const BenchKey key("breakdown", {}), changing("changing", {});
  TCalendarSettings everyOption = tezun::DefaultSettings();
  everyOption.WeekStart = everyOption.Outline = 1;
  everyOption.Title = 2;
  everyOption.PanelOpacity = 60;
  TCalendarSettings withNotes = everyOption;
  withNotes.DayNames = withNotes.SolarTerms = withNotes.Rokuyo = 1;
  TCalendarSettings withAlmanac = withNotes;
  withAlmanac.Zassetsu = withAlmanac.Eto = withAlmanac.Kaiun = withAlmanac.MoonPhases = 1;
  // The whole picture: cells high enough for the notes' three lines, as on a calendar that fills
  // the desktop.
  const tezun::Rect fullPicture{0, 0, screen.cx, screen.cy};
  tezun::StoredSettings kept;
  int changes = 0;
  tezun::TBitmap canvasPicture;
  canvasPicture.SetPixelFormat24();
  canvasPicture.SetSize(screen.cx, screen.cy);
  std::vector<Trial> trials = {
      WholeCall("whole call", plugin, key, screen),
      {"store",
       nullptr,
       [&] {
         const auto currentUser = tezun::CurrentUserKey();
         TCalendarSettings settings;
         tezun::LoadSettings(tezun::OpenSettingsStore(*currentUser, key.HostKey()), settings);
       },
       nullptr,
       {}},
      // What a call spends on the store: the kept settings while nothing changed, and the whole
      // read after a change under the key.
      {"kept settings, key unchanged",
       nullptr,
       [&] {
         const auto currentUser = tezun::CurrentUserKey();
         kept.Load(*currentUser, key.HostKey());
       },
       nullptr,
       {}},
      {"kept settings, key changed",
       [&] {
         StoreOptions(changing.HostKey(), {{"BgColor", std::to_string(++changes)}});
       },
       [&] {
         const auto currentUser = tezun::CurrentUserKey();
         kept.Load(*currentUser, changing.HostKey());
       },
       nullptr,
       {}},
      Composition("composing", screen, screen, Settings(0, 0, false)),
      {"screen measured", nullptr, [] { tezun::MeasureScreen(); }, nullptr, {}},
      DrawnAgain("calendar", canvasPicture.Canvas(), {0, 0, 200, 200}, tezun::DefaultSettings()),
      DrawnAgain("calendar, every option on", canvasPicture.Canvas(), {0, 0, 200, 200}, everyOption),
      DrawnAgain("calendar, every option and the notes under the dates on", canvasPicture.Canvas(), {0, 0, 200, 200},
                 withNotes),
      DrawnAgain("calendar over the whole picture", canvasPicture.Canvas(), fullPicture, tezun::DefaultSettings()),
      DrawnAgain("calendar over the whole picture, every option and the almanac on", canvasPicture.Canvas(),
                 fullPicture, withAlmanac),
  };
  RunSideBySide(trials, screen.cx > 2000 ? 15 : 41);
  const double whole = trials[0].Median(), read = trials[1].Median(), unchanged = trials[2].Median(),
               changed = trials[3].Median(), composing = trials[4].Median(), measuring = trials[5].Median(),
               calendar = trials[6].Median();
  std::printf(
      "%4ldx%-4ld one centred call: %.2f ms = store %.3f (settings kept) + screen measured %.3f + composing %.2f + "
      "calendar %.2f + the rest %.2f\n",
      screen.cx, screen.cy, whole * 1e3, unchanged * 1e3, measuring * 1e3, composing * 1e3, calendar * 1e3,
      (whole - unchanged - measuring - composing - calendar) * 1e3);
  std::printf("%4ldx%-4ld the calendar alone: %.3f ms, with every option on %.3f ms, and the notes too %.3f ms\n",
              screen.cx, screen.cy, calendar * 1e3, trials[7].Median() * 1e3, trials[8].Median() * 1e3);
  std::printf(
      "%4ldx%-4ld the calendar alone over the whole picture: plain %.3f ms, every option and the almanac on %.3f ms "
      "(ratio %.2f)\n",
      screen.cx, screen.cy, trials[9].Median() * 1e3, trials[10].Median() * 1e3,
      trials[10].Median() / trials[9].Median());
  std::printf(
      "%4ldx%-4ld the store's part of a call: key unchanged %.3f ms, key changed %.3f ms (reading it all %.3f ms)\n",
      screen.cx, screen.cy, unchanged * 1e3, changed * 1e3, read * 1e3);
}

}  // namespace

int Bench(const PluginModule& plugin, const PluginModule* before) {
  std::vector<Trial> warmUp = {Composition("", {640, 480}, {640, 480}, Settings(0, 0, true))};
  RunSideBySide(warmUp, 2);  // code, fonts and font files in memory first
  MemoryOfOneComposition({3840, 2160});

  // The whole call composes at the screen's size; the composer's own rows are timed at it too.
  const SIZE screen = tezun::ScreenSize();
  const BitmapHandle source = Picture(screen.cx, screen.cy);
  const tezun::MemoryDC sourceDC;
  const tezun::Selection sourceSelected(sourceDC.get(), source.get());
  const BenchKey centred("centred", {}), tiled("tiled", {{"Style1", "1"}, {"Style2", "1"}}),
      bare("bare", {{"Width", "-1"}}),
      options("options", {{"WeekStart", "1"},
                          {"Title", "2"},
                          {"PanelOpacity", "60"},
                          {"PanelColor", "16777215"},
                          {"Outline", "1"},
                          {"OutlineColor", "0"},
                          {"HolidayRules", "1"},
                          {"DayNames", "1"},
                          {"SolarTerms", "1"},
                          {"Rokuyo", "1"},
                          {"Zassetsu", "1"},
                          {"Eto", "1"},
                          {"Kaiun", "1"},
                          {"MoonPhases", "1"}}),
      ownDays("own days", {{"OwnDays", ThousandOwnDays()}});
  std::vector<Trial> trials = {
      Baseline(screen, sourceDC.get()),
      Composition("composer: centred, screen-sized picture", screen, screen, Settings(0, 0, true)),
      Composition("composer: tiled about the centre, 256 x 256", screen, {256, 256}, Settings(1, 1, true)),
      Composition("composer: tiled about the centre, 1 x 1", screen, {1, 1}, Settings(1, 1, true)),
      Composition("composer: centred, no calendar", screen, screen, Settings(0, 0, false)),
      WholeCall("whole call: centred, screen-sized picture", plugin, centred, screen),
      WholeCall("whole call: tiled about the centre, 256 x 256", plugin, tiled, {256, 256}),
      WholeCall("whole call: tiled about the centre, 1 x 1", plugin, tiled, {1, 1}),
      WholeCall("whole call: centred, no calendar", plugin, bare, screen),
      WholeCall("whole call: centred, every calendar option on", plugin, options, screen),
      WholeCall("whole call: centred, 1,000 own days", plugin, ownDays, screen),
  };
  // On a scaled screen, the call as an old host makes it: the baseline is of the real size.
  const std::optional<SIZE> unaware = ScreenSeenUnaware();
  const bool scaled = unaware && (unaware->cx != screen.cx || unaware->cy != screen.cy);
  if (scaled) {
    trials.push_back(UnawareWholeCall("whole call from a DPI-unaware thread", plugin, centred, screen));
    std::printf("a DPI-unaware thread sees %ld x %ld of this %ld x %ld screen\n", unaware->cx, unaware->cy, screen.cx,
                screen.cy);
  }
  // Another build of the plug-in, in the same rounds: before and after a change, side by side.
  if (before) {
    trials.push_back(WholeCall("before: whole call: centred, screen-sized picture", *before, centred, screen));
    trials.push_back(WholeCall("before: whole call: tiled about the centre, 256 x 256", *before, tiled, {256, 256}));
    trials.push_back(WholeCall("before: whole call: tiled about the centre, 1 x 1", *before, tiled, {1, 1}));
    trials.push_back(WholeCall("before: whole call: centred, every calendar option on", *before, options, screen));
    if (scaled)
      trials.push_back(UnawareWholeCall("before: whole call from a DPI-unaware thread", *before, centred, screen));
  }
  std::printf("%-54s %10s %8s\n", "case (ratio: to the baseline)", "median ms", "ratio");
  RunSideBySide(trials, screen.cx > 2000 ? 15 : 61);
  const double baseline = trials[0].Median();
  for (Trial& trial : trials) PrintRow(screen, trial.name, trial.Median(), baseline);
  std::printf("%4ldx%-4ld %-44s %10s %8.2f\n", screen.cx, screen.cy, "composer: calendar's share (with / without)", "",
              trials[1].Median() / trials[4].Median());
  std::printf("%4ldx%-4ld %-44s %10s %8.2f\n", screen.cx, screen.cy, "whole call: calendar's share (with / without)",
              "", trials[5].Median() / trials[8].Median());
  BreakdownOfOneCall(plugin, screen);
  CalendarAgainstBareTexts(screen);
  EventsBench(plugin, screen);
  PlacementWindowRedraw();
  const BenchKey dialogKey("dialog", {});
  SettingsDialogOpening(plugin, dialogKey.HostKey());
  RegDeleteTreeA(HKEY_CURRENT_USER, BenchKey::kBenchKey);
  return 0;
}

}  // namespace tezunhost
