// The events of the files and folders an "Events" value names: read once while a file stays as it
// was, read again when its size or time stamp changes, a folder's calendar files alone.
#include "core/event_cache.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "core/ical_zones.h"
#include "support/event_listing.h"

namespace tezun {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;

class EventCacheTest : public ::testing::Test {
 protected:
  EventCacheTest() : folder_(fs::temp_directory_path() / ("tezun-events-" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "calendars" / "older");
  }
  ~EventCacheTest() override { fs::remove_all(folder_); }

 public:
  EventCacheTest(const EventCacheTest&) = delete;
  EventCacheTest& operator=(const EventCacheTest&) = delete;

 protected:

  std::string Write(const fs::path& name, const std::string& title, int day) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary)
        << test::Calendar("BEGIN:VEVENT\nUID:" + title + "\nSUMMARY:" + title + "\nDTSTART;VALUE=DATE:202612" +
                          std::to_string(day) + "\nEND:VEVENT");
    return path.string();
  }
  // The titles on each day of 10 to 19 December, "" for none.
  std::vector<std::string> Titles(std::string_view value) {
    const DayEvents days = cache_.EventsOf(value, range_, ClockOfZone("Asia/Tokyo"));
    std::vector<std::string> titles;
    for (const auto& day : days) {
      std::string text;
      for (const DayEvent& event : day) text += (text.empty() ? "" : ",") + event.title;
      titles.push_back(text);
    }
    return titles;
  }

  fs::path folder_;
  EventCache cache_{test::IconvCodePage932, [](std::string_view text) { return fs::path(std::string(text)); }};
  DayRange range_{sys_days{2026y / December / 10}, sys_days{2026y / December / 19}};
};

TEST_F(EventCacheTest, AFileIsReadAgainOnlyWhenItChanges) {
  const std::string path = Write("work.ics", "a", 12);
  EXPECT_EQ(Titles(path), (std::vector<std::string>{"", "", "a", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Titles(path)[2], "a");
  EXPECT_EQ(cache_.Reads(), 1u) << "unchanged: kept";
  range_ = {sys_days{2026y / December / 11}, sys_days{2026y / December / 12}};
  EXPECT_EQ(Titles(path), (std::vector<std::string>{"", "a"})) << "other days, the same reading";
  EXPECT_EQ(cache_.Reads(), 1u);

  Write("work.ics", "bb", 13);  // another size
  EXPECT_EQ(Titles(path), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(cache_.Reads(), 2u);
  Write("work.ics", "cc", 11);  // the same size: its time stamp tells
  fs::last_write_time(path, fs::last_write_time(path) + 1h);
  EXPECT_EQ(Titles(path), (std::vector<std::string>{"cc", ""}));
  EXPECT_EQ(cache_.Reads(), 3u);
}

// What was placed is kept for the same files, days and zone, and placed again in another zone.
TEST_F(EventCacheTest, AnotherZonePlacesTheEventsAgain) {
  const std::string path = (folder_ / "utc.ics").string();
  std::ofstream(path, std::ios::binary) << test::Calendar(
      "BEGIN:VEVENT\nUID:u\nSUMMARY:u\nDTSTART:20261212T020000Z\nEND:VEVENT");
  auto dayOf = [&](const char* zone) {
    const DayEvents days = cache_.EventsOf(path, range_, ClockOfZone(zone));
    for (size_t day = 0; day < days.size(); ++day) {
      if (!days[day].empty()) return static_cast<int>(day) + 10;
    }
    return 0;
  };
  EXPECT_EQ(dayOf("Asia/Tokyo"), 12);
  EXPECT_EQ(dayOf("America/New_York"), 11);
  EXPECT_EQ(dayOf("Asia/Tokyo"), 12);
  EXPECT_EQ(cache_.Reads(), 1u);
}

TEST_F(EventCacheTest, FoldersFilesAndPathsThatNameNothing) {
  Write("calendars/b.ics", "b", 14);
  Write("calendars/A.ICS", "A", 14);
  Write("calendars/notes.txt", "txt", 14);
  Write("calendars/older/c.ics", "c", 14);
  const std::string single = Write("single.calendar", "s", 14);
  std::ofstream(folder_ / "calendars" / "broken.ics", std::ios::binary) << "\x89PNG\r\n";
  const std::string value = "  " + (folder_ / "calendars").string() + " ;;" + single + ";" +
                            (folder_ / "missing.ics").string() + ";" + (folder_ / "calendars" / "b.ics").string();
  EXPECT_EQ(Titles(value)[4], "A,b,s") << "the folder's calendar files, by name, each once; then the file";
  EXPECT_EQ(cache_.Reads(), 4u);
  EXPECT_EQ(Titles(""), std::vector<std::string>(10)) << "no paths, nothing";
}

}  // namespace
}  // namespace tezun
