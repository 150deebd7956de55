// Reading an iCalendar file through libical, one component at a time: the parser unfolds the lines
// and builds each VEVENT and VTIMEZONE, which is taken apart at once and freed, so that however
// large the file, no more than one component is held as libical's tree.
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "event_title.h"
#include "ical_event.h"
#include "ical_zones.h"

namespace tezun {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The bytes handed to libical's parser as fgets would hand over a file's: up to the buffer's size
// less one, through the next line feed. A NUL, which would end the parser's line (and, at a
// chunk's start, the file), is read as a space.
struct ByteSource {
  std::string_view rest;
};

char* NextChunk(char* buffer, size_t size, void* data) noexcept {
  auto& source = *static_cast<ByteSource*>(data);
  if (source.rest.empty() || size < 2) return nullptr;
  const size_t feed = source.rest.find('\n');
  const size_t length = std::min(feed == std::string_view::npos ? source.rest.size() : feed + 1, size - 1);
  std::memcpy(buffer, source.rest.data(), length);
  std::replace(buffer, buffer + length, '\0', ' ');
  buffer[length] = '\0';
  source.rest.remove_prefix(length);
  return buffer;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'a' && x <= 'z' ? x - 'a' + 'A' : x) == (y >= 'a' && y <= 'z' ? y - 'a' + 'A' : y);
         });
}

// The value of a content line of the name (BEGIN, END), without the blanks after it; nothing for
// a line of another name.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view name) {
  const size_t colon = line.find(':');
  if (colon == std::string_view::npos || !SameName(line.substr(0, colon), name)) return std::nullopt;
  std::string_view value = line.substr(colon + 1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  return value;
}

// Which logical lines go to libical's parser. The components inside VCALENDAR go to it as
// components of their own, so that each comes back as soon as it ends. Of a VEVENT only the
// properties the calendar reads: a meeting's long description, its attendees and its alarms would
// cost reading for nothing. Of a VTIMEZONE everything; of the calendar itself and of its other
// components nothing.
class LineRouter {
 public:
  bool Pass(std::string_view line);

 private:
  enum class Kept { None, Event, Zone };
  int depth_ = 0;  // 1 in VCALENDAR (or at the top of a file without one), 2 in a component, more inside that
  Kept kept_ = Kept::None;
};

bool IsReadProperty(std::string_view line) {
  static constexpr std::string_view kRead[] = {"DTSTART", "DTEND",         "DURATION", "RRULE", "RDATE",
                                               "EXDATE",  "RECURRENCE-ID", "SUMMARY",  "UID"};
  const std::string_view name = line.substr(0, line.find_first_of(":;"));
  // A status counts only when it cancels, and most events' say they are confirmed: libical's
  // reading of one costs as much as of a time.
  if (SameName(name, "STATUS")) {
    const std::string_view value = line.substr(std::min(line.size(), line.rfind(':') + 1));
    return SameName(value.substr(0, value.find_last_not_of(" \t") + 1), "CANCELLED");
  }
  return std::any_of(std::begin(kRead), std::end(kRead), [&](std::string_view read) { return SameName(name, read); });
}

bool LineRouter::Pass(std::string_view line) {
  if (const std::optional<std::string_view> begun = ValueOf(line, "BEGIN")) {
    if (depth_ <= 1 && SameName(*begun, "VCALENDAR")) {
      depth_ = 1;
      return false;
    }
    if (depth_ <= 1) {
      depth_ = 2;
      kept_ = SameName(*begun, "VEVENT") ? Kept::Event : SameName(*begun, "VTIMEZONE") ? Kept::Zone : Kept::None;
      return kept_ != Kept::None;
    }
    ++depth_;
    return kept_ == Kept::Zone;
  }
  if (ValueOf(line, "END")) {
    if (depth_ <= 1) {
      depth_ = 0;  // the calendar's END
      return false;
    }
    --depth_;
    return depth_ == 1 ? kept_ != Kept::None : kept_ == Kept::Zone;
  }
  if (depth_ == 2 && kept_ == Kept::Event) return IsReadProperty(line);
  return depth_ >= 2 && kept_ == Kept::Zone;
}

// A time of a property as libical reads it, with the TZID it names (empty: none).
struct Stamp {
  icaltimetype time{};
  std::string tzid;
};

std::string TzidOf(icalproperty* property) {
  icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
  const char* text = tzid ? icalparameter_get_tzid(tzid) : nullptr;
  return text ? text : "";
}

// An event as read, before the file's zones are known: they may come after it.
struct PendingEvent {
  IcalEvent event;
  Stamp start, end, recurrenceId;
  std::vector<Stamp> extraDates, extraEnds, excluded;
};

template <typename Each>
void ForEachProperty(icalcomponent* component, icalproperty_kind kind, Each each) {
  for (icalproperty* p = icalcomponent_get_first_property(component, kind); p;
       p = icalcomponent_get_next_property(component, kind)) {
    each(p);
  }
}

std::optional<PendingEvent> EventOf(icalcomponent* vevent, const CodePage932Encoder& toCodePage932) {
  icalproperty* start = icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY);
  if (!start) return std::nullopt;
  PendingEvent pending;
  pending.start = {icalproperty_get_dtstart(start), TzidOf(start)};
  if (icaltime_is_null_time(pending.start.time) || !icaltime_is_valid_time(pending.start.time)) return std::nullopt;
  IcalEvent& event = pending.event;
  if (icalproperty* end = icalcomponent_get_first_property(vevent, ICAL_DTEND_PROPERTY)) {
    pending.end = {icalproperty_get_dtend(end), TzidOf(end)};
  } else if (icalproperty* duration = icalcomponent_get_first_property(vevent, ICAL_DURATION_PROPERTY)) {
    event.duration = icalproperty_get_duration(duration);
  }
  ForEachProperty(vevent, ICAL_RRULE_PROPERTY, [&](icalproperty* p) {
    if (char* rule = icalproperty_get_value_as_string_r(p)) {
      event.rules.emplace_back(rule);
      icalmemory_free_buffer(rule);
    }
  });
  ForEachProperty(vevent, ICAL_RDATE_PROPERTY, [&](icalproperty* p) {
    const icaldatetimeperiodtype date = icalproperty_get_rdate(p);
    const bool period = icaltime_is_null_time(date.time);
    pending.extraDates.push_back({period ? date.period.start : date.time, TzidOf(p)});
    pending.extraEnds.push_back({period ? date.period.end : icaltime_null_time(), TzidOf(p)});
    event.extraDates.push_back(date);
  });
  ForEachProperty(vevent, ICAL_EXDATE_PROPERTY, [&](icalproperty* p) {
    pending.excluded.push_back({icalproperty_get_exdate(p), TzidOf(p)});
  });
  if (icalproperty* id = icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY)) {
    pending.recurrenceId = {icalproperty_get_recurrenceid(id), TzidOf(id)};
  }
  if (const char* uid = icalcomponent_get_uid(vevent)) event.uid = uid;
  event.cancelled = icalcomponent_get_status(vevent) == ICAL_STATUS_CANCELLED;
  if (const char* summary = icalcomponent_get_summary(vevent)) event.title = EventTitle(summary, toCodePage932);
  return pending;
}

// The zone a TZID names: one the file defines, else a known one; none (floating) for a name
// nobody knows.
class ZoneNames {
 public:
  void Add(icaltimezone* zone) {
    if (const char* tzid = icaltimezone_get_tzid(zone)) own_.emplace(tzid, zone);
  }
  icaltimezone* Find(const std::string& tzid) const {
    const auto found = own_.find(tzid);
    return found != own_.end() ? found->second : KnownZone(tzid);
  }
  // The time in its zone. A day, a time in UTC and a time without a TZID stay as they are.
  icaltimetype Resolve(const Stamp& stamp) const {
    icaltimetype time = stamp.time;
    if (time.is_date || icaltime_is_utc(time) || stamp.tzid.empty() || icaltime_is_null_time(time)) return time;
    return icaltime_set_timezone(&time, Find(stamp.tzid));
  }

 private:
  std::map<std::string, icaltimezone*> own_;
};

IcalEvent Resolved(PendingEvent pending, const ZoneNames& zones) {
  IcalEvent event = std::move(pending.event);
  event.start = zones.Resolve(pending.start);
  event.end = zones.Resolve(pending.end);
  for (size_t i = 0; i < event.extraDates.size(); ++i) {
    icaldatetimeperiodtype& date = event.extraDates[i];
    if (icaltime_is_null_time(date.time)) {
      date.period.start = zones.Resolve(pending.extraDates[i]);
      date.period.end = zones.Resolve(pending.extraEnds[i]);
    } else {
      date.time = zones.Resolve(pending.extraDates[i]);
    }
  }
  for (const Stamp& excluded : pending.excluded) event.excluded.push_back(zones.Resolve(excluded));
  if (!icaltime_is_null_time(pending.recurrenceId.time)) event.recurrenceId = zones.Resolve(pending.recurrenceId);
  return event;
}

struct ParserDeleter {
  void operator()(icalparser* parser) const { icalparser_free(parser); }
};

}  // namespace

CalendarFile::CalendarFile() : contents_(std::make_shared<Contents>()) {}

size_t CalendarFile::EventCount() const { return contents_->events.size(); }

const std::string& CalendarFile::Title(uint32_t event) const { return contents_->events.at(event).title; }

CalendarFile CalendarFile::Parse(std::string_view bytes, const CodePage932Encoder& toCodePage932) {
  KeepLibicalTidy();
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  auto contents = std::make_shared<Contents>();
  std::vector<PendingEvent> pending;
  ZoneNames zones;
  auto take = [&](icalcomponent* component) {
    switch (icalcomponent_isa(component)) {
      case ICAL_VEVENT_COMPONENT:
        if (auto event = EventOf(component, toCodePage932)) pending.push_back(std::move(*event));
        break;
      case ICAL_VTIMEZONE_COMPONENT: {
        IcalZone zone(icaltimezone_new());
        if (zone && icaltimezone_set_component(zone.get(), component)) {
          zones.Add(zone.get());
          contents->zones.push_back(std::move(zone));
          return;  // the zone keeps the component
        }
        break;
      }
      default:
        break;
    }
    icalcomponent_free(component);
  };

  ByteSource source{bytes};
  const std::unique_ptr<icalparser, ParserDeleter> parser(icalparser_new());
  if (!parser) return {};
  icalparser_set_gen_data(parser.get(), &source);
  LineRouter router;
  while (char* line = icalparser_get_line(parser.get(), NextChunk)) {
    if (router.Pass(line)) {
      if (icalcomponent* component = icalparser_add_line(parser.get(), line)) take(component);
    }
    icalmemory_free_buffer(line);
  }
  for (PendingEvent& event : pending) contents->events.push_back(Resolved(std::move(event), zones));
  CalendarFile file;
  file.contents_ = std::move(contents);
  return file;
}

}  // namespace tezun
