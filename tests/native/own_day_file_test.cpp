#include "core/own_day_file.h"

#include <gtest/gtest.h>

#include "support/bytes.h"
#include "support/iconv_code_page.h"

namespace tezun {
namespace {

using test::Bytes;

const std::string kGanjitsu = Bytes("8C B3 93 FA");                  // 元日
const std::string kKodomo = Bytes("82 B1 82 C7 82 E0 82 CC 93 FA");  // こどもの日
const std::string kNothingAdded = Bytes("89 BD 82 E0 92 C7 89 C1 82 B5 82 DC 82 B9 82 F1 82 C5 82 B5 82 BD 81 42");

// A Unicode text as the bytes of UTF-16 with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? Bytes("FE FF") : Bytes("FF FE");
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

OwnDayFileImport Import(const std::string& bytes) { return ImportOwnDayFile(bytes, test::IconvCodePage932); }

// The Cabinet Office's file, however it was saved, gives the same lines in Shift-JIS.
TEST(OwnDayFile, TheSameDaysFromEachEncoding) {
  const std::u16string text = u"国民の祝日・休日月日,国民の祝日・休日名称\r\n2026/1/1,元日\r\n2026/5/5,こどもの日\r\n";
  const std::string utf8 =
      "\xE5\x9B\xBD\xE6\xB0\x91\xE3\x81\xAE\xE7\xA5\x9D\xE6\x97\xA5\xE3\x83\xBB\xE4\xBC\x91"
      "\xE6\x97\xA5\xE6\x9C\x88\xE6\x97\xA5,\xE5\x9B\xBD\xE6\xB0\x91\xE3\x81\xAE\xE7\xA5\x9D"
      "\xE6\x97\xA5\xE3\x83\xBB\xE4\xBC\x91\xE6\x97\xA5\xE5\x90\x8D\xE7\xA7\xB0\r\n2026/1/1,"
      "\xE5\x85\x83\xE6\x97\xA5\r\n2026/5/5,\xE3\x81\x93\xE3\x81\xA9\xE3\x82\x82\xE3\x81\xAE"
      "\xE6\x97\xA5\r\n";
  const std::string shiftJis = Bytes(
                                   "8D 91 96 AF 82 CC 8F 6A 93 FA 81 45 8B 78 93 FA 8C 8E 93 FA 2C 8D 91 96 AF 82 CC "
                                   "8F 6A 93 FA 81 45 8B 78 93 FA 96 BC 8F CC") +
                               "\r\n2026/1/1," + kGanjitsu + "\r\n2026/5/5," + kKodomo + "\r\n";
  const std::string expected = "2026-01-01 " + kGanjitsu + "\r\n2026-05-05 " + kKodomo + "\r\n";
  const struct {
    const char* what;
    std::string bytes;
  } files[] = {
      {"Shift-JIS", shiftJis},
      {"UTF-8", utf8},
      {"UTF-8 with its mark", Bytes("EF BB BF") + utf8},
      {"UTF-16LE", Utf16(text, false)},
      {"UTF-16BE", Utf16(text, true)},
      {"UTF-16LE, lone LFs", Utf16(u"2026/1/1,元日\n2026/5/5,こどもの日", false)},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.what);
    const OwnDayFileImport imported = Import(file.bytes);
    EXPECT_EQ(imported.fault, OwnDayFileFault::None);
    EXPECT_EQ(imported.lines, expected);
    EXPECT_EQ(OwnDayFileRefusal(imported), "");
  }
}

// Bytes that are no text at all are refused as such, whatever line of them would fail first.
TEST(OwnDayFile, NoTextIsRefusedSayingWhatIsRead) {
  const std::string notText[] = {
      Bytes("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D 49 48 44 52"),  // a picture
      Bytes("50 4B 03 04 14 00 06 00"),                          // a spreadsheet's own format (a zip)
      std::string("2026-01-01 x\r\n2026-01-02\0y\r\n", 27),      // a NUL
      Bytes("FF FE 32 00 30 00 32"),                             // UTF-16 cut in half a unit
      "2026/1/1," + Bytes("8C"),                                 // Shift-JIS cut in half a character
  };
  for (const std::string& bytes : notText) {
    const OwnDayFileImport imported = Import(bytes);
    EXPECT_EQ(imported.fault, OwnDayFileFault::NotText);
    EXPECT_EQ(imported.lines, "");
    const std::string message = OwnDayFileRefusal(imported);
    for (const char* named : {"Shift-JIS", "UTF-8", "UTF-16", "Unicode"}) {
      EXPECT_NE(message.find(named), std::string::npos) << named;
    }
    EXPECT_TRUE(message.ends_with(kNothingAdded));
  }
}

// A character that Shift-JIS cannot hold refuses the file, naming its line and the character; the
// line is shown with "?" in its place. Characters that only code page 932 has beside Shift-JIS (a
// circled digit, the fullwidth tilde) are no such characters.
TEST(OwnDayFile, ACharacterWithoutAShiftJisFormRefusesTheFile) {
  const struct {
    const char* what;
    std::string bytes;
    size_t line;
    char32_t character;
    std::string shown;
  } cases[] = {
      {"an emoji in UTF-8", "2026/1/1,x\n2026/5/5,\xF0\x9F\x8E\x8F \xF0\x9F\x8E\x8F\n", 2, U'\U0001F38F',
       "2026/5/5,? ?"},
      {"the euro sign in UTF-16", Utf16(u"2026-12-24 €1\r\n", false), 1, U'€', "2026-12-24 ?1"},
      {"a kanji beyond code page 932", Utf16(u"a title\r\n\r\n2026-03-01 𠮷野家", true), 3, U'\U00020BB7',
       "2026-03-01 ?" + Bytes("96 EC 89 C6")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const OwnDayFileImport imported = Import(c.bytes);
    EXPECT_EQ(imported.fault, OwnDayFileFault::NoShiftJisForm);
    EXPECT_EQ(imported.lines, "");
    EXPECT_EQ(imported.line.number, c.line);
    EXPECT_EQ(imported.character, c.character);
    EXPECT_EQ(imported.line.text, c.shown);
    const std::string message = OwnDayFileRefusal(imported);
    EXPECT_NE(message.find(" " + std::to_string(c.line) + " " + Bytes("8D 73 96 DA 82 C9")), std::string::npos);
    EXPECT_TRUE(message.ends_with("\r\n" + c.shown)) << message;
  }
  const OwnDayFileImport windowsOwn = Import(Utf16(u"2026-03-01 ②～", false));
  EXPECT_EQ(windowsOwn.fault, OwnDayFileFault::None);
  EXPECT_EQ(windowsOwn.lines, "2026-03-01 " + Bytes("87 41 81 60") + "\r\n");
}

// A file that is text but has a line of neither form is refused as before, by its line, however
// it was saved.
TEST(OwnDayFile, ALineOfNeitherFormIsNamed) {
  for (const std::string& bytes : {std::string("a title\r\nnot a day\r\n"), Utf16(u"a title\r\nnot a day\r\n", false),
                                   Bytes("EF BB BF") + "a title\nnot a day"}) {
    const OwnDayFileImport imported = Import(bytes);
    EXPECT_EQ(imported.fault, OwnDayFileFault::UnreadableLine);
    EXPECT_EQ(imported.lines, "");
    EXPECT_EQ(imported.line, (OwnDayLine{2, "not a day"}));
    const std::string message = OwnDayFileRefusal(imported);
    EXPECT_NE(message.find(Bytes("93 C7 82 DD 8E E6 82 EA 82 DC 82 B9 82 F1")), std::string::npos);
    EXPECT_TRUE(message.ends_with("\r\nnot a day"));
  }
}

}  // namespace
}  // namespace tezun
