// libical's zone data as the build compiles it in (cmake/ical_zone_table.cmake writes the table
// from the zoneinfo folder installed with libical): each zone's VTIMEZONE, by its IANA name.
#pragma once

#include <cstddef>

namespace tezun {

struct IcalZoneText {
  const char* location;   // "Asia/Tokyo"
  const char* vtimezone;  // BEGIN:VTIMEZONE ... END:VTIMEZONE
};

// Sorted by location, byte by byte.
extern const IcalZoneText kIcalZones[];
extern const size_t kIcalZoneCount;

}  // namespace tezun
