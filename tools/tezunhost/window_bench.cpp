#include "window_bench.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "core/settings.h"
#include "forms/calender.h"
#include "forms/setoption.h"
#include "trial.h"

namespace tezunhost {

void PlacementWindowRedraw() {
  tezun::SettingsSession session(tezun::DefaultSettings());
  tezun::TfrmCalender window(nullptr, session);
  window.Place(10, 10, 800, 800);
  window.ShowWithoutActivating();
  int step = 0;
  std::vector<Trial> trials = {
      {"redraw", nullptr, [&] { window.RefreshCalendarWindow(); }, nullptr, {}},
      {"one step of a resize drag", nullptr, [&] { window.SetClientSize(800 - (++step % 2) * 8, 800); }, nullptr, {}},
  };
  RunSideBySide(trials, 21);
  std::printf("\nplacement window at 800 x 800: %s %.2f ms, %s %.2f ms\n", trials[0].name.c_str(),
              trials[0].Median() * 1e3, trials[1].name.c_str(), trials[1].Median() * 1e3);
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
