#include "bench_calendars.h"

namespace tezunhost {

tezun::TCalendarSettings WithTextOptions(bool almanac) {
  tezun::TCalendarSettings settings = tezun::DefaultSettings();
  settings.WeekStart = settings.HolidayRules = 1;
  settings.Title = 2;
  settings.DayNames = settings.SolarTerms = settings.Rokuyo = 1;
  if (almanac) settings.Zassetsu = settings.Eto = settings.Kaiun = settings.MoonPhases = 1;
  return settings;
}

}  // namespace tezunhost
