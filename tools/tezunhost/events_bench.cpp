#include "events_bench.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench_calls.h"
#include "core/event_cache.h"
#include "graphics/code_page.h"
#include "render/calendar_events.h"
#include "support/sample_calendar.h"

namespace tezunhost {

namespace {

using namespace std::chrono;

constexpr int kEvents = 5000;

// The day the calendar draws is today's, so the sample calendar is made around this month.
year_month ThisMonth() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return year{now.wYear} / month{now.wMonth};
}

std::string TempFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// A new time stamp for the file, a second later each time, as a calendar program saving it gives.
void Touch(const std::string& path, int64_t& seconds) {
  const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const auto ticks = static_cast<uint64_t>(++seconds * 10000000);
  const FILETIME time{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

}  // namespace

void EventsBench(const PluginModule& plugin, SIZE screen) {
  using std::chrono::sys_days;
  using std::chrono::year_month;
  const std::string path = TempFile("tezun-bench-5000-events.ics");
  const year_month shown = ThisMonth();
  const std::string calendar = tezun::test::SampleCalendar(kEvents, shown);
  std::ofstream(path, std::ios::binary) << calendar;
  const BenchKey without("events none", {}), with("events", {{"Events", path}});
  int64_t stamp = 13'000'000'000;  // 2012 in seconds from 1601
  const auto toPath = [](std::string_view text) { return std::filesystem::path(std::string(text)); };
  std::vector<Trial> trials = {
      WholeCall("whole call: no events", plugin, without, screen),
      WholeCall("whole call: 5,000 events, file unchanged", plugin, with, screen),
      WholeCall("whole call: 5,000 events, file changed", plugin, with, screen),
      {"reading: 5,000 events, a fresh cache",
       nullptr,
       [&] {
         tezun::EventCache cache(tezun::ToCodePage932, toPath);
         const tezun::DayRange days{sys_days{shown / 1}, sys_days{shown / std::chrono::last}};
         cache.EventsOf(path, days, tezun::MachineClock());
       },
       nullptr,
       {}},
  };
  // The file changes after the untimed call before, so that the timed one finds it changed.
  trials[2].prepare = [call = trials[2].prepare, &path, &stamp] {
    call();
    Touch(path, stamp);
  };
  std::printf("\n%ld KiB of iCalendar, %d events\n", static_cast<long>(calendar.size() / 1024), kEvents);
  RunSideBySide(trials, 31);
  const double none = trials[0].Median(), unchanged = trials[1].Median();
  for (Trial& trial : trials) PrintRow(screen, trial.name, trial.Median(), none);
  std::printf("%4ldx%-4ld the events' part of a call, file unchanged: %+.3f ms (goal: within 1 ms)\n", screen.cx,
              screen.cy, (unchanged - none) * 1e3);
  std::printf("%4ldx%-4ld the events' part of a call after the file changed: %.1f ms (goal: under 150 ms)\n", screen.cx,
              screen.cy, (trials[2].Median() - none) * 1e3);
  DeleteFileA(path.c_str());
}

}  // namespace tezunhost
