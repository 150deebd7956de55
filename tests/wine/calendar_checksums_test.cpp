// Every combination of the calendar's options, drawn for one month with the default fonts in the
// default 200 x 200 rectangle, and the options that lay out the days' texts drawn again with fonts,
// names and a mark of their own in cells high enough for three lines of notes: against checksums
// of the pictures as the renderer drew them when this test was written. A change meant to leave
// every picture as it was must leave all of them. The options go one at a time from each drawing
// to the next, so that whatever the renderer keeps between drawings must follow every one.
//
// After a change meant to alter pictures, TEZUN_PRINT_CHECKSUMS=1 prints the table anew, for
// calendar_checksums.inc.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <bit>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "graphics/bitmap.h"
#include "render/calendar_renderer.h"
#include "support/pixels.h"

namespace tezun {
namespace {

using namespace std::chrono;

// The options, a bit each (two for the title's four forms); the notes and the Moon are the top
// seven bits, and the pictures of each choice of them share a checksum.
constexpr int kOptionBits = 13;
constexpr int kNoteShift = 6;
constexpr int kNoteChoices = 1 << (kOptionBits - kNoteShift);
constexpr unsigned kEveryOption = (1u << kOptionBits) - 1;

void ApplyOptions(TCalendarSettings& s, unsigned bits) {
  auto bit = [&](int k) { return static_cast<int32_t>((bits >> k) & 1); };
  s.HolidayRules = bit(0);
  s.WeekStart = bit(1);
  s.Title = static_cast<int32_t>((bits >> 2) & 3);
  s.PanelOpacity = bit(4) * 60;
  s.Outline = bit(5);
  s.DayNames = bit(6);
  s.SolarTerms = bit(7);
  s.Rokuyo = bit(8);
  s.Zassetsu = bit(9);
  s.Eto = bit(10);
  s.Kaiun = bit(11);
  s.MoonPhases = bit(12);
}

struct Calendar {
  const char* name = nullptr;
  TCalendarSettings settings;
  Rect rect;
  SIZE picture{};
  unsigned varied = 0;  // the option bits that take both values
  unsigned fixed = 0;   // the others' values
};

// May 2026, with today the 13th: holidays from the 3rd to the 6th (the 6th by the law only), 八十八夜,
// 立夏 and 小満, the Moon's four phases.
const TDateTime kToday = DateOf(year{2026} / 5 / 13);

Calendar Defaults() {
  TCalendarSettings settings = DefaultSettings();
  settings.PanelColor = 0xC0FFE0;
  settings.OutlineColor = 0xFFFFFF;
  return {"defaults, 200 x 200", settings, {0, 0, 200, 200}, {212, 208}, kEveryOption, 0};
}

// Fonts of every kind (the holidays' face carried on to the days after them), English names and
// the coloured mark, on a panel, Monday first, by the law; the notes, the outline and the era's
// title varied. Cells of 40 x 52 pixels at the least, where a number and three lines of notes
// fit; partly off the picture at the bottom.
Calendar OwnFonts() {
  TCalendarSettings settings = DefaultSettings();
  settings.Fonts.Weekday = {"", 10, 0x202020, 0};
  settings.Fonts.Saturday = {"", 10, 0xC04000, fsItalic};
  settings.Fonts.Sunday = {"", 11, 0x0000C0, fsBold};
  settings.Fonts.Holiday = {"IPAPGothic", 10, 0x008000, fsBold | fsUnderline};
  settings.Fonts.DayOfWeek = {"", 12, 0, fsBold};
  settings.DayOfWeekStyle = 1;
  settings.TodayStyle = 1;
  settings.TodayColor = 0x00FFFF;
  settings.PanelColor = 0x402000;
  settings.OutlineColor = 0x80FF80;
  const unsigned notesOutlineAndTitle = (kEveryOption >> kNoteShift << kNoteShift) | 1u << 5 | 1u << 3;
  return {"fonts of their own, 280 x 420", settings, {9, 5, 289, 425}, {300, 410}, notesOutlineAndTitle,
          1u << 0 | 1u << 1 | 1u << 4};
}

// The option bits of the `n`th drawing: a Gray code over the varied bits, so that one option
// changes from each drawing to the next.
unsigned OptionsOf(const Calendar& calendar, unsigned n) {
  const unsigned gray = n ^ (n >> 1);
  unsigned bits = calendar.fixed;
  int next = 0;
  for (int k = 0; k < kOptionBits; ++k) {
    if (calendar.varied >> k & 1) bits |= (gray >> next++ & 1) << k;
  }
  return bits;
}

// A checksum of every byte of a 24-bit picture, in two lanes of 32 bits (fast in the 32-bit build).
uint64_t Checksum(HBITMAP bitmap) {
  GdiFlush();
  DIBSECTION section{};
  GetObjectA(bitmap, sizeof section, &section);
  const auto* words = static_cast<const uint32_t*>(section.dsBm.bmBits);
  const size_t count = static_cast<size_t>(section.dsBm.bmWidthBytes) * section.dsBm.bmHeight / 4;
  uint32_t a = 2166136261u, b = 0x9E3779B9u;
  for (size_t i = 0; i < count; ++i) {
    a = (a ^ words[i]) * 16777619u;
    b = ((b + words[i]) << 13 | (b + words[i]) >> 19) * 0x85EBCA6Bu;
  }
  return uint64_t{a} << 32 | b;
}

// Each choice of notes' checksums, over the pictures of every combination of the other options.
std::array<uint64_t, kNoteChoices> ChecksumsOf(const Calendar& calendar) {
  const int width = static_cast<int>(calendar.picture.cx), height = static_cast<int>(calendar.picture.cy);
  TBitmap picture;
  picture.Adopt(test::MakePatternBitmap(width, height));
  TBitmap pattern;
  pattern.Adopt(test::MakePatternBitmap(width, height));
  std::array<uint64_t, kNoteChoices> sums{};
  TCalendarSettings settings = calendar.settings;
  for (unsigned n = 0; n < 1u << std::popcount(calendar.varied); ++n) {
    const unsigned bits = OptionsOf(calendar, n);
    ApplyOptions(settings, bits);
    picture.Canvas().CopyMode = cmSrcCopy;
    picture.Canvas().CopyRect({0, 0, width, height}, pattern.Canvas(), {0, 0, width, height});
    RenderCalendar(picture.Canvas(), calendar.rect, settings, kToday, {Scale::Of(96, 72), {}});
    uint64_t& sum = sums[bits >> kNoteShift];
    sum = (sum ^ Checksum(picture.Handle())) * 0x100000001B3ull;
  }
  return sums;
}

constexpr std::array<std::array<uint64_t, kNoteChoices>, 2> kChecksums = {{
#include "calendar_checksums.inc"
}};

TEST(CalendarChecksums, EveryCombinationOfOptionsDrawsThePictureItDrew) {
  const Calendar calendars[] = {Defaults(), OwnFonts()};
  const bool print = GetEnvironmentVariableA("TEZUN_PRINT_CHECKSUMS", nullptr, 0) > 0;
  if (print) std::printf("    // Printed by calendar_checksums_test.cpp with TEZUN_PRINT_CHECKSUMS=1.\n");
  for (size_t c = 0; c < std::size(calendars); ++c) {
    SCOPED_TRACE(calendars[c].name);
    const std::array<uint64_t, kNoteChoices> sums = ChecksumsOf(calendars[c]);
    if (print) {
      std::printf("    {{  // %s\n", calendars[c].name);
      for (int notes = 0; notes < kNoteChoices; ++notes) {
        std::printf("%s0x%016" PRIx64 "ull,%s", notes % 4 ? " " : "        ", sums[notes], notes % 4 == 3 ? "\n" : "");
      }
      std::printf("    }},\n");
      continue;
    }
    for (int notes = 0; notes < kNoteChoices; ++notes) {
      EXPECT_EQ(sums[notes], kChecksums[c][notes])
          << "notes and Moon " << notes << " (bits: names, terms, 六曜, 雑節, 干支, 開運日, Moon from the lowest)";
    }
  }
}

}  // namespace
}  // namespace tezun
