#include "event_listing.h"

#include <charconv>
#include <chrono>
#include <cstdio>

#include "core/settings_store.h"
#include "host_error.h"
#include "plugin/win32_registry.h"
#include "render/calendar_events.h"

namespace tezunhost {

namespace {

int NumberIn(const std::string& text, const char* option, int least, int most) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc{} || stop != end || value < least || value > most) {
    throw HostError(std::string(option) + " " + text + " is not a number from " + std::to_string(least) + " to " +
                    std::to_string(most));
  }
  return value;
}

}  // namespace

int PrintEvents(const std::string& yearText, const std::string& monthText, const std::string& hostKey) {
  using namespace std::chrono;
  const year listed{NumberIn(yearText, "--year", 1, 9999)};
  const month shown{static_cast<unsigned>(NumberIn(monthText, "--month", 1, 12))};
  const auto currentUser = tezun::CurrentUserKey();
  const tezun::SettingsStore store(*currentUser, hostKey, tezun::SettingsStore::Opening::ReadOnly);
  const std::string value = store.ReadLongSettingText("Option", "Events", tezun::kMaxEventsBytes).text;
  const tezun::DayRange days{sys_days{listed / shown / 1}, sys_days{listed / shown / last}};
  const tezun::DayEvents events = tezun::CalendarEvents(value, days);
  for (size_t i = 0; i < events.size(); ++i) {
    for (const tezun::DayEvent& event : events[i]) {
      std::printf("%s\n", tezun::EventListingLine(days.first + std::chrono::days{static_cast<int>(i)}, event).c_str());
    }
  }
  return 0;
}

}  // namespace tezunhost
