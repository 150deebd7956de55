// How a day's events and note share the lines under its number: each title wraps as a note does,
// yet never takes the line a later title needs; what has no line at all is said by the mark.
#include "render/day_texts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace tezun {
namespace {

// Every byte 10 pixels wide, a line 10 high: a 60-pixel cell holds six characters a line.
MeasuredText Measured(const std::string& text) {
  MeasuredText measured{{static_cast<LONG>(10 * text.size()), 10}, {}};
  for (size_t i = 0; i < text.size(); ++i) measured.ends.push_back(static_cast<int>(10 * (i + 1)));
  return measured;
}

TEST(DayTexts, EventTitlesWrapLeavingALineForEachTitleAfter) {
  const struct {
    int64_t height;  // the number takes 20, each line 10
    std::vector<std::string> titles;
    std::string note;
    std::vector<std::string> lines;
    bool hidden;
    std::string noteLine;
  } cases[] = {
      {50, {"Team talk with Bob"}, "", {"Team", "talk", "with B"}, false, ""},
      {50, {"Team talk with Bob", "Lunch"}, "", {"Team", "talk w", "Lunch"}, false, ""},
      {50, {"Team talk with Bob", "Lunch", "Gym"}, "", {"Team t", "Lunch", "Gym"}, false, ""},
      {50, {"A", "B", "C", "D"}, "", {"A", "B", "C"}, true, ""},
      {25, {"A"}, "", {}, true, ""},
      {60, {"Lunch"}, "Hi", {"Lunch"}, false, "Hi"},
      {60, {"Team talk with Bob"}, "Hi", {"Team", "talk", "with", "Bob"}, false, ""},
  };
  TFont font;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << " " << c.titles.size());
    std::vector<MeasuredLine> events;
    for (const std::string& title : c.titles) events.push_back({title, Measured(title)});
    const DayTexts texts = LayDayTexts({0, 0, 60, c.height}, "10", 20, c.note, Measured(c.note.empty() ? "0" : c.note),
                                       font, 16, events, 1);
    EXPECT_EQ(texts.events, c.lines);
    EXPECT_EQ(texts.eventsHidden, c.hidden);
    EXPECT_EQ(texts.note, c.noteLine);
    if (!c.noteLine.empty()) {
      EXPECT_EQ(texts.noteBox.top, texts.EventBox(c.lines.size()).top) << "under the events";
    }
  }
}

}  // namespace
}  // namespace tezun
