#include "window_bench.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "bench_calendars.h"
#include "core/settings.h"
#include "forms/calender.h"
#include "forms/setoption.h"
#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"
#include "render/kept_calendar.h"
#include "trial.h"

namespace tezunhost {

namespace {

// The picture a step of a resize drag makes before the window shows it: a new bitmap of the
// client's size on the background colour, and the calendar on it anew.
void PictureOfAStep(const tezun::TCalendarSettings& settings, SIZE client) {
  tezun::TBitmap picture;
  picture.SetPixelFormat24();
  picture.SetSize(client.cx, client.cy);
  tezun::TCanvas& canvas = picture.Canvas();
  canvas.Brush.Color = settings.BgColor;
  canvas.FillRect({0, 0, client.cx, client.cy});
  tezun::RenderCalendar(canvas, {0, 0, client.cx, client.cy}, settings);
}

}  // namespace

void PlacementWindowRedraw() {
  tezun::TCalendarSettings almanac = WithTextOptions(true);
  almanac.PanelOpacity = 60;
  almanac.Outline = 1;
  const struct {
    const char* name = nullptr;
    tezun::TCalendarSettings settings;
  } kinds[] = {{"plain", tezun::DefaultSettings()}, {"every option and the almanac", almanac}};
  std::vector<std::unique_ptr<tezun::SettingsSession>> sessions;
  std::vector<std::unique_ptr<tezun::TfrmCalender>> windows;
  std::vector<Trial> trials;
  for (const auto& kind : kinds) {
    auto& session = sessions.emplace_back(std::make_unique<tezun::SettingsSession>(kind.settings));
    auto& window = windows.emplace_back(std::make_unique<tezun::TfrmCalender>(nullptr, *session));
    window->Place(10 + 820 * static_cast<int>(windows.size() - 1), 10, 800, 800);  // side by side, both seen
    window->ShowWithoutActivating();
    // Each step narrows or widens the window by 8 pixels, as a drag does; its picture alike.
    auto steps = std::make_shared<int>(0), pictures = std::make_shared<int>(0);
    // A redraw follows a change of the settings: nothing kept is of use to it.
    trials.push_back({"redraw",
                      [] { tezun::ForgetKeptCalendar(); },
                      [w = window.get()] { w->RefreshCalendarWindow(); },
                      nullptr,
                      {}});
    trials.push_back(
        {"step", nullptr, [w = window.get(), steps] { w->SetClientSize(800 - (++*steps % 2) * 8, 800); }, nullptr, {}});
    trials.push_back({"picture of a step",
                      [] { tezun::ForgetKeptCalendar(); },
                      [settings = kind.settings, pictures] {
                        PictureOfAStep(settings, {800 - (++*pictures % 2) * 8, 800});
                      },
                      nullptr,
                      {}});
  }
  RunSideBySide(trials, 21);
  std::printf("\n");
  for (size_t k = 0; k < std::size(kinds); ++k) {
    const double redraw = trials[3 * k].Median(), step = trials[3 * k + 1].Median(),
                 picture = trials[3 * k + 2].Median();
    std::printf(
        "placement window at 800 x 800, %s: redraw after a change %.2f ms; one step of a resize drag %.2f ms = "
        "the calendar's picture %.2f (laid out anew on a new bitmap) + showing it %.2f (the redraw less its "
        "picture) + resizing the windows %.2f (the step less the redraw)\n",
        kinds[k].name, redraw * 1e3, step * 1e3, picture * 1e3, (redraw - picture) * 1e3, (step - redraw) * 1e3);
  }
}

void SettingsDialogOpening(const PluginModule& plugin, const char* hostKey) {
  std::vector<Trial> trials = {{"settings dialog opened and closed",
                                nullptr,
                                [&] {
                                  // A timer message comes only when nothing else is waiting.
                                  const UINT_PTR timer = SetTimer(
                                      nullptr, 0, USER_TIMER_MINIMUM, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
                                        KillTimer(nullptr, id);
                                        if (HWND dialog = FindWindowA(tezun::kSettingClass, nullptr))
                                          PostMessageA(dialog, WM_CLOSE, 0, 0);
                                      });
                                  plugin.SettingPlugIn(nullptr, hostKey, nullptr);
                                  KillTimer(nullptr, timer);
                                },
                                nullptr,
                                {}}};
  RunSideBySide(trials, 11);
  std::printf("%s: %.1f ms\n", trials[0].name.c_str(), trials[0].Median() * 1e3);
}

}  // namespace tezunhost
