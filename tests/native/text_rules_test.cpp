// Byte rules of the system's texts: Shift-JIS truncation and the built-in tables' bytes.
#include <gtest/gtest.h>

#include "core/calendar_layout.h"
#include "core/shift_jis.h"
#include "core/texts.h"
#include "support/bytes.h"

namespace tezun {
namespace {

using test::Bytes;

TEST(TruncateShiftJis, NeverCutsADoubleByteCharacter) {
  const std::string name = Bytes("82 6C 82 72 20 83 53 83 56 83 62 83 4E");  // ＭＳ ゴシック
  EXPECT_EQ(TruncateShiftJis(name, 31), name);
  EXPECT_EQ(TruncateShiftJis(name, 13), name);
  EXPECT_EQ(TruncateShiftJis(name, 12), Bytes("82 6C 82 72 20 83 53 83 56 83 62"));
  EXPECT_EQ(TruncateShiftJis(name, 5), Bytes("82 6C 82 72 20"));
  EXPECT_EQ(TruncateShiftJis(name, 4), Bytes("82 6C 82 72"));
  EXPECT_EQ(TruncateShiftJis(name, 3), Bytes("82 6C"));
  EXPECT_EQ(TruncateShiftJis(name, 0), "");
  EXPECT_EQ(TruncateShiftJis(std::string(40, 'A'), 31), std::string(31, 'A'));
  EXPECT_EQ(TruncateShiftJis(std::string(30, 'A') + Bytes("95 5C"), 31), std::string(30, 'A'))
      << "a character whose second byte is a backslash";
  EXPECT_EQ(TruncateShiftJis("AB" + Bytes("E0"), 31), "AB") << "a lead byte without its second byte";
  EXPECT_EQ(TruncateShiftJis("A" + Bytes("A0 DF"), 31), "A" + Bytes("A0 DF")) << "half-width katakana are single bytes";
}

TEST(Texts, DayNamesAreOneShiftJisCharacterOrThreeLetters) {
  const char* japanese[] = {"93 FA", "8C 8E", "89 CE", "90 85", "96 D8", "8B E0", "93 79"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(DayNamesJapanese[i], Bytes(japanese[i])) << i;
  EXPECT_STREQ(DayNamesEnglish[0], "Sun");
  EXPECT_STREQ(DayNamesEnglish[6], "Sat");
}

TEST(CalendarLayout, SevenTruncatedRowsAndColumns) {
  const CalendarLayout layout(Rect{0, 0, 200, 200});
  EXPECT_EQ(layout.cellWidth, 28);
  EXPECT_EQ(layout.cellHeight, 28);
  EXPECT_EQ(layout.HeaderCell(0), (Rect{0, 0, 28, 28}));
  EXPECT_EQ(layout.HeaderCell(6), (Rect{168, 0, 196, 28}));
  EXPECT_EQ(layout.DayCell(0, 0), (Rect{0, 28, 28, 56}));
  EXPECT_EQ(layout.DayCell(5, 6), (Rect{168, 168, 196, 196})) << "196 to 199 belong to no cell";

  const CalendarLayout narrow(Rect{10, 0, 16, 70});
  EXPECT_EQ(narrow.cellWidth, 0);
  EXPECT_EQ(narrow.DayCell(2, 5).left, 10);
  EXPECT_EQ(CentredOffset(narrow.cellWidth, 5), -2) << "truncation toward zero";

  const CalendarLayout far(Rect{INT32_MAX - 10, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(far.DayCell(5, 6).bottom, INT32_MIN + 7 * ((int64_t{INT32_MAX} - INT32_MIN) / 7));
}

}  // namespace
}  // namespace tezun
