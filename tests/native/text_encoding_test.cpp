#include "core/text_encoding.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace tezun {
namespace {

using test::Bytes;

// Each way people save a text, and each kind of bytes that is no text: what is found and read.
TEST(DecodeText, EachEncodingAndWhatIsNone) {
  const std::string ganjitsu = Bytes("8C B3 93 FA");  // 元日 in Shift-JIS
  const struct {
    const char* what;
    std::string bytes;
    std::optional<TextEncoding> encoding;
    std::string shiftJis;
    std::u16string unicode;
  } cases[] = {
      {"ASCII", "2026-01-01 x\r\n", TextEncoding::ShiftJis, "2026-01-01 x\r\n", u""},
      {"empty", "", TextEncoding::ShiftJis, "", u""},
      {"Shift-JIS", "2026/1/1," + ganjitsu, TextEncoding::ShiftJis, "2026/1/1," + ganjitsu, u""},
      {"half-width katakana", Bytes("B6 DA DD C0 DE B0"), TextEncoding::ShiftJis, Bytes("B6 DA DD C0 DE B0"), u""},
      {"UTF-8", "2026/1/1," + Bytes("E5 85 83 E6 97 A5"), TextEncoding::Utf8, "", u"2026/1/1,元日"},
      {"UTF-8 with its mark", Bytes("EF BB BF") + "x," + Bytes("E5 85 83"), TextEncoding::Utf8, "", u"x,元"},
      {"UTF-8 mark, ASCII", Bytes("EF BB BF") + "x\n", TextEncoding::Utf8, "", u"x\n"},
      {"UTF-8 four bytes", Bytes("F0 A0 AE B7"), TextEncoding::Utf8, "", u"\U00020BB7"},
      {"UTF-16LE", Bytes("FF FE 78 00 0D 00 0A 00 43 51 E5 65"), TextEncoding::Utf16LittleEndian, "", u"x\r\n元日"},
      {"UTF-16BE", Bytes("FE FF 00 78 51 43 65 E5"), TextEncoding::Utf16BigEndian, "", u"x元日"},
      {"UTF-16LE pair", Bytes("FF FE 42 D8 B7 DF"), TextEncoding::Utf16LittleEndian, "", u"\U00020BB7"},
      {"UTF-16 mark alone", Bytes("FF FE"), TextEncoding::Utf16LittleEndian, "", u""},
      // None of them:
      {"a PNG picture", Bytes("89 50 4E 47 0D 0A 1A 0A 00 00 00 0D 49 48 44 52"), {}, "", u""},
      {"a JPEG picture", Bytes("FF D8 FF E0 10 4A 46 49 46"), {}, "", u""},
      {"NUL in ASCII", std::string("2026-01-01\0x", 12), {}, "", u""},
      {"NUL in UTF-16", Bytes("FF FE 78 00 00 00"), {}, "", u""},
      {"UTF-16 cut in half a unit", Bytes("FF FE 78 00 79"), {}, "", u""},
      {"UTF-16 lone high surrogate", Bytes("FF FE 42 D8 78 00"), {}, "", u""},
      {"UTF-16 lone low surrogate", Bytes("FE FF DF B7"), {}, "", u""},
      {"UTF-8 mark, then Shift-JIS", Bytes("EF BB BF") + ganjitsu, {}, "", u""},
      {"UTF-8 mark, overlong slash", Bytes("EF BB BF C0 AF"), {}, "", u""},
      {"UTF-8 mark, a surrogate", Bytes("EF BB BF ED A0 80"), {}, "", u""},
      {"UTF-8 mark, above U+10FFFF", Bytes("EF BB BF F4 90 80 80"), {}, "", u""},
      {"UTF-8 mark, cut short", Bytes("EF BB BF E5 85"), {}, "", u""},
      {"Shift-JIS lead byte at the end", "x" + Bytes("8C"), {}, "", u""},
      {"Shift-JIS lead byte before a line end", Bytes("8C 0A"), {}, "", u""},
      {"byte 0x80", Bytes("41 80"), {}, "", u""},
      {"byte 0xA0", Bytes("41 A0"), {}, "", u""},
      {"byte 0xFD", Bytes("41 FD"), {}, "", u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<DecodedText> decoded = DecodeText(c.bytes);
    ASSERT_EQ(decoded.has_value(), c.encoding.has_value());
    if (!decoded) continue;
    EXPECT_EQ(decoded->encoding, *c.encoding);
    EXPECT_EQ(decoded->shiftJis, c.shiftJis);
    EXPECT_EQ(decoded->unicode, c.unicode);
  }
}

}  // namespace
}  // namespace tezun
