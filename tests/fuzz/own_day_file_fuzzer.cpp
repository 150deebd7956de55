// The import of a file of own days over any bytes, with iconv standing in for Windows' conversion
// to code page 932. What it hands back parses whole, line for line, and holds no NUL, which the
// registry's text type would cut; what it refuses it refuses for the reason it gives. A Shift-JIS
// text saved again as UTF-16 or UTF-8 imports to the same days.
#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/own_day_file.h"
#include "core/text_encoding.h"
#include "support/iconv_code_page.h"

namespace {

using namespace tezun;

// The bytes converted from one of iconv's encodings to another, or nothing when they cannot be.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& bytes) {
  std::string in = bytes;  // iconv takes its input through a pointer to mutable characters
  const iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 8, '\0');
  char* inAt = in.data();
  size_t inLeft = in.size();
  char* outAt = out.data();
  size_t outLeft = out.size();
  const bool done = iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != static_cast<size_t>(-1);
  iconv_close(converter);
  if (!done) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

void CheckImport(std::string_view bytes, const OwnDayFileImport& imported) {
  const std::optional<DecodedText> decoded = DecodeText(bytes);
  FUZZ_CHECK(OwnDayFileRefusal(imported).empty() == (imported.fault == OwnDayFileFault::None));
  switch (imported.fault) {
    case OwnDayFileFault::None: {
      FUZZ_CHECK(decoded.has_value());
      FUZZ_CHECK(!imported.lines.empty() && imported.lines.ends_with("\r\n"));
      FUZZ_CHECK(imported.lines.find('\0') == std::string::npos);
      std::string joined;
      for (const std::string_view line : SplitLines(imported.lines)) {
        FUZZ_CHECK(ParseOwnDayLine(line).has_value());
        joined += std::string(line) + "\r\n";
      }
      FUZZ_CHECK(joined == imported.lines);  // CR LF after each line, nothing else
      const OwnDayList list(imported.lines);
      FUZZ_CHECK(list.Rejected().empty() && list.Entries().size() == SplitLines(imported.lines).size());
      return;
    }
    case OwnDayFileFault::NotText:
      FUZZ_CHECK(!decoded.has_value());
      break;
    case OwnDayFileFault::NoShiftJisForm:
      FUZZ_CHECK(decoded.has_value() && decoded->encoding != TextEncoding::ShiftJis);
      FUZZ_CHECK(imported.line.number >= 1 && imported.line.text.find('?') != std::string::npos);
      FUZZ_CHECK(imported.character != 0 && imported.character <= 0x10FFFF);
      {
        std::u16string character;
        if (imported.character < 0x10000) {
          character.push_back(static_cast<char16_t>(imported.character));
        } else {
          character.push_back(static_cast<char16_t>(0xD800 + ((imported.character - 0x10000) >> 10)));
          character.push_back(static_cast<char16_t>(0xDC00 + (imported.character & 0x3FF)));
        }
        FUZZ_CHECK(!test::IconvCodePage932(character).has_value());
      }
      break;
    case OwnDayFileFault::UnreadableLine:
      FUZZ_CHECK(decoded.has_value() && imported.line.number >= 1);
      if (!imported.line.text.empty()) FUZZ_CHECK(!ParseOwnDayLine(imported.line.text).has_value());
      break;
  }
  FUZZ_CHECK(imported.lines.empty());
}

bool SameOutcome(const OwnDayFileImport& a, const OwnDayFileImport& b) {
  return a.fault == b.fault && a.lines == b.lines && a.line == b.line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const OwnDayFileImport imported = ImportOwnDayFile(bytes, test::IconvCodePage932);
  CheckImport(bytes, imported);

  // A Shift-JIS text that iconv carries to Unicode and back unchanged imports the same way from
  // UTF-16 of either byte order and from UTF-8 with its mark.
  const std::optional<DecodedText> decoded = DecodeText(bytes);
  if (!decoded || decoded->encoding != TextEncoding::ShiftJis) return 0;
  const auto utf16 = Convert("UTF-16LE", "CP932", bytes);
  if (!utf16 || Convert("CP932", "UTF-16LE", *utf16) != bytes) return 0;
  const auto utf16be = Convert("UTF-16BE", "UTF-16LE", *utf16);
  const auto utf8 = Convert("UTF-8", "UTF-16LE", *utf16);
  FUZZ_CHECK(utf16be && utf8);
  for (const std::string& saved : {"\xFF\xFE" + *utf16, "\xFE\xFF" + *utf16be, "\xEF\xBB\xBF" + *utf8}) {
    const OwnDayFileImport again = ImportOwnDayFile(saved, test::IconvCodePage932);
    CheckImport(saved, again);
    FUZZ_CHECK(SameOutcome(again, imported));
  }
  return 0;
}
