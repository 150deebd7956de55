// Loading the settings with the calendar's options, the own days and the events among the thirty
// values, from a registry written as text, one value a line, so that the seeds read as what they are:
//
//   HOST KEY TEXT                  the first line (empty: the default key)
//   [SECTION\]NAME=DATA            text stored with its NUL; the section is Option when none is named
//   [SECTION\]NAME*SIZE=DATA       DATA repeated to exactly SIZE bytes, no NUL added (a NUL that
//                                  ends DATA ends the value): "OwnDays*65537=...\0" and its kin
//
// DATA takes \r, \n, \0 and \\ for those bytes. Whatever is stored, the load gives exactly the
// record the store's rules make of it, worked out here value by value (the own days past 64 KiB
// read as empty and said to be too long, the events past 32 KiB as none); and what loaded, written
// back as the settings dialog writes it, loads again the same.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "core/integer_text.h"
#include "core/memory_registry.h"
#include "core/settings_store.h"
#include "core/texts.h"

namespace {

using namespace tezun;

std::string Unescaped(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case '0':
        out += '\0';
        break;
      default:
        out += text[i];
        break;
    }
  }
  return out;
}

// One line of the input as a value stored below the settings key; false for a line that is none.
bool Store(MemoryKeyNode& key, std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  std::string_view path = line.substr(0, equals);
  std::optional<size_t> size;
  if (const size_t star = path.rfind('*'); star != std::string_view::npos) {
    size_t n = 0;
    const auto [end, error] = std::from_chars(path.data() + star + 1, path.data() + path.size(), n);
    if (error != std::errc{} || end != path.data() + path.size() || n > 4 * kMaxOwnDaysBytes) return false;
    size = n;
    path = path.substr(0, star);
  }
  const size_t slash = path.rfind('\\');
  const std::string section = slash == std::string_view::npos ? "Option" : std::string(path.substr(0, slash));
  const std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  const std::vector<std::string> parts = SplitKeyPath(section);
  if (parts.empty()) return false;
  std::string data = Unescaped(line.substr(equals + 1));
  if (!size) {
    data.push_back('\0');
  } else {
    const bool ended = data.ends_with('\0');
    const std::string unit = ended ? data.substr(0, data.size() - 1) : data;
    data.clear();
    while (!unit.empty() && data.size() < *size) data += unit;
    data.resize(*size, ' ');
    if (ended && !data.empty()) data.back() = '\0';
  }
  MemoryKeyNode* node = &key;
  for (const std::string& part : parts) node = &node->subkeys[part];
  node->values[name] = MemoryValue{kRegSz, std::move(data)};
  return true;
}

// The bytes stored for a value, if any.
std::optional<std::string> Stored(MemoryRegistry& registry, const std::string& keyPath, const std::string& section,
                                  const std::string& name) {
  MemoryKeyNode* node = registry.Find(keyPath + "\\" + section);
  if (!node) return std::nullopt;
  const auto value = node->values.find(name);
  if (value == node->values.end()) return std::nullopt;
  return value->second.data;
}

std::string TextOf(const std::string& data) { return data.substr(0, data.find('\0')); }

// The record the store's rules make of what is stored.
TCalendarSettings Expected(MemoryRegistry& registry, const std::string& keyPath) {
  const auto integer = [&](const std::string& section, const char* name, int32_t fallback) {
    const auto data = Stored(registry, keyPath, section, name);
    return data ? ParseSettingInteger(TextOf(*data)).value_or(fallback) : fallback;
  };
  TCalendarSettings expected = DefaultSettings();
  for (const auto& entry : kOptionEntries) expected.*entry.field = integer("Option", entry.name, entry.fallback);
  for (const auto& entry : kFontSections) {
    TCalFont& font = expected.Fonts.*entry.font;
    const auto name = Stored(registry, keyPath, entry.section, "FontName");
    font.Name = name ? TextOf(*name) : kDefaultFontName;
    font.Size = integer(entry.section, "FontSize", kDefaultFontSize);
    font.Color = integer(entry.section, "FontColor", entry.defaultColor);
    font.Style = static_cast<uint8_t>(integer(entry.section, "FontStyle", 0));
  }
  for (const auto& entry : kExtraOptions) expected.*entry.field = integer("Option", entry.name, entry.fallback);
  const auto list = Stored(registry, keyPath, "Option", "OwnDays");
  expected.OwnDaysTooLong = list && list->size() > kMaxOwnDaysBytes;
  expected.OwnDays = OwnDayList(list && !expected.OwnDaysTooLong ? TextOf(*list) : std::string());
  for (const auto& entry : kDayNoteOptions) expected.*entry.field = integer("Option", entry.name, entry.fallback);
  const auto events = Stored(registry, keyPath, "Option", "Events");
  expected.Events = events && events->size() <= kMaxEventsBytes ? TextOf(*events) : std::string();
  for (const auto& entry : kEventOptions) expected.*entry.field = integer("Option", entry.name, entry.fallback);
  return expected;
}

// Writes the record into a fresh registry as the settings dialog's OK does, every option, the own
// days and the events' paths (unless too long to read, or longer than the dialog takes), and loads it.
void CheckRoundTrip(const std::string& hostKey, const TCalendarSettings& loaded) {
  MemoryRegistry fresh;
  const auto root = fresh.Root();
  auto store = OpenSettingsStore(*root, hostKey);
  SaveSettings(store, loaded);
  for (const auto& entry : kExtraOptions) store.WriteSettingInteger("Option", entry.name, loaded.*entry.field);
  for (const auto& entry : kDayNoteOptions) store.WriteSettingInteger("Option", entry.name, loaded.*entry.field);
  for (const auto& entry : kEventOptions) store.WriteSettingInteger("Option", entry.name, loaded.*entry.field);
  TCalendarSettings expected = loaded;
  // The dialog makes no list of paths that would not be read back: one stored without its NUL at
  // the very limit is read, and left as it is unless the user edits it.
  if (loaded.Events.size() < kMaxEventsBytes) {
    store.WriteSettingText("Option", "Events", loaded.Events);
  } else {
    expected.Events.clear();
  }
  if (loaded.OwnDays.Text().size() < kMaxOwnDaysBytes && !loaded.OwnDaysTooLong) {
    store.WriteSettingText("Option", "OwnDays", loaded.OwnDays.Text());
  } else {
    expected.OwnDays = OwnDayList();
    expected.OwnDaysTooLong = false;
  }
  TCalendarSettings again;
  LoadSettings(OpenSettingsStore(*root, hostKey), again);
  FUZZ_CHECK(again == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> lines = SplitLines(input);
  // The host hands over a C string: it ends at a NUL.
  const std::string hostKey = lines.empty() ? std::string() : std::string(lines[0].substr(0, lines[0].find('\0')));
  const std::string keyPath = SettingsKeyPath(hostKey);
  const bool storable = !SplitKeyPath(keyPath).empty();

  MemoryRegistry registry;
  if (storable) {
    MemoryKeyNode& key = registry.root();
    MemoryKeyNode* node = &key;
    for (const std::string& part : SplitKeyPath(keyPath)) node = &node->subkeys[part];
    for (size_t i = 1; i < lines.size() && i <= 64; ++i) Store(*node, lines[i]);
  }

  TCalendarSettings loaded;
  {
    const auto root = registry.Root();
    LoadSettings(OpenSettingsStore(*root, hostKey), loaded);  // text values only: no error is possible
  }
  FUZZ_CHECK(loaded == Expected(registry, keyPath));
  FUZZ_CHECK(loaded.OwnDays.Text().size() <= kMaxOwnDaysBytes);
  FUZZ_CHECK(loaded.OwnDays.Text().find('\0') == std::string::npos);
  FUZZ_CHECK(!loaded.OwnDaysTooLong || loaded.OwnDays.Text().empty());
  if (storable) CheckRoundTrip(hostKey, loaded);
  return 0;
}
