#include "ical_zones.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <string>

#include "ical_event.h"
#include "ical_zone_table.h"

namespace tezun {
namespace {

// Names of UTC that files use without a VTIMEZONE.
constexpr std::array<std::string_view, 6> kUtcNames = {"UTC", "GMT", "Z", "Etc/UTC", "Etc/GMT", "Etc/Universal"};

// The zones made so far, by location. They go with the process (or the plug-in), and with them
// what libical keeps for the process: its temporary buffers, and the list of its own zones that
// it makes (empty: we name none of them) as soon as it is asked for its UTC.
class ZoneRegistry {
 public:
  ZoneRegistry() = default;
  ZoneRegistry(const ZoneRegistry&) = delete;
  ZoneRegistry& operator=(const ZoneRegistry&) = delete;
  ~ZoneRegistry() {
    zones_.clear();
    icaltimezone_free_builtin_timezones();
    icalmemory_free_ring();
  }

  icaltimezone* Find(std::string_view location) {
    if (const auto found = zones_.find(location); found != zones_.end()) return found->second.get();
    const IcalZoneText* const end = kIcalZones + kIcalZoneCount;
    const IcalZoneText* entry = std::lower_bound(
        kIcalZones, end, location, [](const IcalZoneText& z, std::string_view name) { return z.location < name; });
    if (entry == end || entry->location != location) return nullptr;
    icalcomponent* component = icalparser_parse_string(entry->vtimezone);
    IcalZone zone(icaltimezone_new());
    if (!component || !zone || !icaltimezone_set_component(zone.get(), component)) {
      if (component) icalcomponent_free(component);
      return nullptr;
    }
    return zones_.emplace(std::string(location), std::move(zone)).first->second.get();
  }

 private:
  std::map<std::string, IcalZone, std::less<>> zones_;
};

ZoneRegistry& Registry() {
  static ZoneRegistry registry;
  return registry;
}

}  // namespace

void KeepLibicalTidy() { Registry(); }

icaltimezone* KnownZone(std::string_view tzid) {
  if (std::find(kUtcNames.begin(), kUtcNames.end(), tzid) != kUtcNames.end()) return icaltimezone_get_utc_timezone();
  if (icaltimezone* zone = Registry().Find(tzid)) return zone;
  // "/vendor/version/Area/City": the name after the third slash.
  if (tzid.starts_with('/')) {
    size_t at = 0;
    for (int slash = 1; slash < 3 && at != std::string_view::npos; ++slash) at = tzid.find('/', at + 1);
    if (at != std::string_view::npos) return Registry().Find(tzid.substr(at + 1));
  }
  return nullptr;
}

WallClock ClockOfZone(std::string_view location) {
  icaltimezone* zone = KnownZone(location);
  if (!zone) return {};
  return {[zone](int64_t utc) {
            const icaltimetype local = icaltime_from_timet_with_zone(static_cast<time_t>(utc), 0, zone);
            return static_cast<int64_t>(icaltime_as_timet(local));  // the wall clock's fields, read as UTC
          },
          std::string(location)};
}

}  // namespace tezun
