#include "core/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/memory_registry.h"
#include "support/bytes.h"

namespace tezun {
namespace {

using test::Bytes;

constexpr char kKey[] = "Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun";

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStore Open(std::string_view hostKey = "") { return OpenSettingsStore(*root_, hostKey); }

  // Stores a value in a section of the default key, creating the keys on the way.
  MemoryValue& Put(const std::string& section, const std::string& name, std::string data, uint32_t type = kRegSz) {
    root_->CreateKey(std::string(kKey) + "\\" + section);
    auto& value = registry_.Find(std::string(kKey) + "\\" + section)->values[name];
    value = MemoryValue{type, std::move(data)};
    return value;
  }
  const MemoryValue* Get(const std::string& section, const std::string& name) {
    auto* node = registry_.Find(std::string(kKey) + "\\" + section);
    if (!node) return nullptr;
    auto found = node->values.find(name);
    return found == node->values.end() ? nullptr : &found->second;
  }
  std::string LoadError(TCalendarSettings& settings) {
    try {
      LoadSettings(Open(), settings);
    } catch (const ERegistryException& e) {
      return e.what();
    }
    return {};
  }

  MemoryRegistry registry_;
  std::unique_ptr<RegistryKey> root_ = registry_.Root();
};

TEST(SettingsKeyPath, HostKeyGainsTezunAndEmptyMeansDefault) {
  EXPECT_EQ(SettingsKeyPath("Software\\A\\PlugIn"), "Software\\A\\PlugIn\\Tezun");
  EXPECT_EQ(SettingsKeyPath(""), kKey);
  EXPECT_EQ(SettingsKeyPath("\\Software\\A"), "Software\\A\\Tezun");    // one leading backslash dropped
  EXPECT_EQ(SettingsKeyPath("\\\\Software"), "\\Software\\Tezun");      // only one
  EXPECT_EQ(SettingsKeyPath("Software\\A\\"), "Software\\A\\\\Tezun");  // nothing trimmed
  EXPECT_EQ(SettingsKeyPath(" Software "), " Software \\Tezun");
}

TEST_F(SettingsStoreTest, EmptyKeyIsCreatedAndLoadGivesDefaults) {
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings, DefaultSettings());
  const MemoryKeyNode* key = registry_.Find(kKey);
  ASSERT_NE(key, nullptr);
  EXPECT_TRUE(key->subkeys.empty()) << "reading never creates a section";
  EXPECT_TRUE(key->values.empty());
}

TEST_F(SettingsStoreTest, DefaultsAreTheDocumentedOnes) {
  const TCalendarSettings d = DefaultSettings();
  EXPECT_EQ(d.Width, 200);
  EXPECT_EQ(d.Height, 200);
  EXPECT_EQ(d.TodayColor, 16777215);
  EXPECT_EQ(d.BgColor, 16777215);
  EXPECT_EQ(d.Fonts.Weekday.Color, 0);
  EXPECT_EQ(d.Fonts.Saturday.Color, 16776960);
  EXPECT_EQ(d.Fonts.Sunday.Color, 255);
  EXPECT_EQ(d.Fonts.Holiday.Color, 255);
  EXPECT_EQ(d.Fonts.DayOfWeek.Color, 16711680);
  EXPECT_EQ(d.Fonts.Holiday.Name, Bytes("82 6C 82 72 20 83 53 83 56 83 62 83 4E"));
  EXPECT_EQ(d.Fonts.Holiday.Size, 9);
  EXPECT_EQ(d.Fonts.Holiday.Style, 0);
}

TEST_F(SettingsStoreTest, WidthTextRules) {
  const std::pair<const char*, int32_t> cases[] = {
      {" 300", 300}, {"$12C", 300},       {"0x12C", 300}, {"300 ", 200},
      {"abc", 200},  {"2147483648", 200}, {"", 200},      {"-2147483648", INT32_MIN},
  };
  for (const auto& [text, expected] : cases) {
    Put("Option", "Width", std::string(text) + '\0');
    TCalendarSettings settings;
    LoadSettings(Open(), settings);
    EXPECT_EQ(settings.Width, expected) << '"' << text << '"';
  }
}

TEST_F(SettingsStoreTest, WrongTypeStopsTheLoadAtThatValue) {
  Put("Option", "Style1", "1");
  Put("Option", "Top", "44");
  Put("Option", "Width", std::string("\x2c\x01\0\0", 4), kRegDword);
  Put("Option", "Height", "77");
  TCalendarSettings settings;
  settings.Height = -5;
  EXPECT_EQ(LoadError(settings), "'Width'" + Bytes("20 82 CC 83 66 81 5B 83 5E 8C 5E 82 AA 95 73 90 B3 82 C5 82 B7"));
  EXPECT_EQ(settings.Style1, 1);
  EXPECT_EQ(settings.Top, 44);
  EXPECT_EQ(settings.Width, 0) << "not loaded";
  EXPECT_EQ(settings.Height, -5) << "not loaded";
  EXPECT_TRUE(settings.Fonts.Weekday.Name.empty());
}

TEST_F(SettingsStoreTest, HolidayRulesChooseTheLawOnlyWithOne) {
  const std::pair<const char*, int32_t> cases[] = {{"1", 1}, {" $1", 1}, {"2", 2}, {"abc", 0}, {"-1", -1}};
  for (const auto& [text, expected] : cases) {
    Put("Option", "HolidayRules", std::string(text) + '\0');
    TCalendarSettings settings;
    LoadSettings(Open(), settings);
    EXPECT_EQ(settings.HolidayRules, expected) << '"' << text << '"';
    EXPECT_EQ(HolidayRulesOf(settings), expected == 1 ? HolidayRuleSet::Current : HolidayRuleSet::Table) << text;
  }
  registry_.Find(std::string(kKey) + "\\Option")->values.erase("HolidayRules");
  TCalendarSettings settings;
  settings.HolidayRules = 1;
  LoadSettings(Open(), settings);
  EXPECT_EQ(HolidayRulesOf(settings), HolidayRuleSet::Table) << "missing";
}

TEST_F(SettingsStoreTest, HolidayRulesOfTheWrongTypeFailAfterTheThirtyOthers) {
  Put("Font\\DayOfWeek", "FontStyle", "3");  // the last of the thirty
  Put("Option", "HolidayRules", std::string("\x01\0\0\0", 4), kRegDword);
  TCalendarSettings settings;
  settings.HolidayRules = 7;
  EXPECT_EQ(LoadError(settings),
            "'HolidayRules'" + Bytes("20 82 CC 83 66 81 5B 83 5E 8C 5E 82 AA 95 73 90 B3 82 C5 82 B7"));
  EXPECT_EQ(settings.Fonts.DayOfWeek.Style, 3);
  EXPECT_EQ(settings.HolidayRules, 7) << "not loaded";
}

// The options beyond the thirty load after them, in order, with the same text rules; what the
// drawing makes of a value outside its choices is the default's meaning.
TEST_F(SettingsStoreTest, ExtraOptionsLoadInOrderAndMeanTheirDefaultsOutsideTheirChoices) {
  const struct {
    const char* name;
    const char* text;
    int32_t loaded;
    int32_t meaning;
  } cases[] = {
      {"WeekStart", "1", 1, 1},
      {"WeekStart", "2", 2, 0},
      {"Title", "$3", 3, 3},
      {"Title", "4", 4, 0},
      {"Title", "-1", -1, 0},
      {"PanelOpacity", " 100", 100, 100},
      {"PanelOpacity", "101", 101, 0},
      {"PanelOpacity", "50%", 0, 0},
      {"PanelColor", "255", 255, 255},
      {"Outline", "1", 1, 1},
      {"Outline", "0x1", 1, 1},
      {"OutlineColor", "x", 0, 0},
      {"DayNames", "1", 1, 1},
      {"SolarTerms", "2", 2, 0},
      {"Rokuyo", " 1", 1, 1},
      {"Rokuyo", "-1", -1, 0},
      {"Zassetsu", "1", 1, 1},
      {"Zassetsu", "0x2", 2, 0},
      {"Eto", "$1", 1, 1},
      {"Eto", "one", 0, 0},
      {"Kaiun", " 1", 1, 1},
      {"Kaiun", "1 ", 0, 0},
      {"MoonPhases", "1", 1, 1},
      {"MoonPhases", "10", 10, 0},
      {"EventColor", "255", 255, 255},
      {"EventColor", "16777215", 0xFFFFFF, 0xFFFFFF},
      {"EventColor", "16777216", 0x1000000, kCellColour},
      {"EventColor", "-5", -5, kCellColour},
      {"EventColor", "red", kCellColour, kCellColour},
      {"AdjacentDays", "1", 1, 1},
      {"AdjacentDays", "2", 2, 0},
      {"WeekNumbers", "$1", 1, 1},
      {"WeekNumbers", "yes", 0, 0},
  };
  std::vector<ExtraOptionEntry> entries(kExtraOptions.begin(), kExtraOptions.end());
  entries.insert(entries.end(), kDayNoteOptions.begin(), kDayNoteOptions.end());
  entries.insert(entries.end(), kEventOptions.begin(), kEventOptions.end());
  for (const auto& c : cases) {
    Put("Option", c.name, std::string(c.text) + '\0');
    TCalendarSettings settings;
    LoadSettings(Open(), settings);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const ExtraOptionEntry& e) { return std::string(e.name) == c.name; });
    ASSERT_NE(entry, entries.end()) << c.name;
    EXPECT_EQ(settings.*entry->field, c.loaded) << c.name << " \"" << c.text << '"';
    EXPECT_EQ(entry->meaning(settings.*entry->field), c.meaning) << c.name << " \"" << c.text << '"';
    registry_.Find(std::string(kKey) + "\\Option")->values.erase(c.name);
  }
  EXPECT_EQ(FirstWeekday(DefaultSettings()), 1);
  EXPECT_EQ(DefaultSettings().PanelColor, clWhite);
  EXPECT_EQ(DefaultSettings().OutlineColor, clBlack);
  EXPECT_FALSE(EventColour(DefaultSettings()).has_value()) << "each day's own colour";

  // An unreadable one stops the load there: the ones before it are loaded, the later ones not.
  Put("Option", "WeekStart", std::string("1\0", 2));
  Put("Option", "PanelOpacity", std::string("\x01\0\0\0", 4), kRegDword);
  Put("Option", "Outline", std::string("1\0", 2));
  TCalendarSettings settings;
  EXPECT_NE(LoadError(settings).find("'PanelOpacity'"), std::string::npos);
  EXPECT_EQ(settings.WeekStart, 1);
  EXPECT_EQ(settings.Outline, 0) << "not loaded";
}

// The own days are one text value, read last; one beyond 64 KiB is read as empty, and said to be.
TEST_F(SettingsStoreTest, OwnDaysLoadLastAndAListTooLongReadsAsEmpty) {
  const std::string list = "12-29..01-03 year end\r\n-2026-05-06\r\nnot a line";
  Put("Option", "OwnDays", list + '\0');
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.OwnDays.Text(), list);
  EXPECT_EQ(settings.OwnDays.Entries().size(), 2u);
  EXPECT_FALSE(settings.OwnDaysTooLong);

  for (const size_t bytes : {kMaxOwnDaysBytes, kMaxOwnDaysBytes + 1}) {
    Put("Option", "OwnDays", std::string(bytes - 1, 'x') + '\0');
    LoadSettings(Open(), settings);
    const bool tooLong = bytes > kMaxOwnDaysBytes;
    EXPECT_EQ(settings.OwnDaysTooLong, tooLong) << bytes;
    EXPECT_EQ(settings.OwnDays.Text().size(), tooLong ? 0 : bytes - 1) << bytes;
  }

  Put("Option", "OwnDays", std::string(70000, 'x'), kRegBinary);
  Put("Option", "OutlineColor", "255" + std::string(1, '\0'));
  Put("Option", "Rokuyo", "1" + std::string(1, '\0'));
  Put("Option", "MoonPhases", "1" + std::string(1, '\0'));
  settings = TCalendarSettings{};
  EXPECT_NE(LoadError(settings).find("'OwnDays'"), std::string::npos) << "not text: an error, however long";
  EXPECT_EQ(settings.OutlineColor, 255) << "loaded before it";
  EXPECT_EQ(settings.Rokuyo, 0) << "the day notes' options come after it";
  EXPECT_EQ(settings.MoonPhases, 0) << "and the Moon's after them";
}

// The events' paths are one text value read after the day notes' options, the options of the
// events after it; one beyond 32 KiB names no file.
TEST_F(SettingsStoreTest, EventsLoadAfterTheDayNotesAndAValueTooLongNamesNothing) {
  const std::string paths = "C:\\Users\\a\\work.ics; D:\\calendars";
  Put("Option", "Events", paths + '\0');
  Put("Option", "WeekNumbers", std::string("1\0", 2));
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Events, paths);
  EXPECT_TRUE(EventsChosen(settings));
  EXPECT_EQ(settings.WeekNumbers, 1);

  Put("Option", "Events", std::string(kMaxEventsBytes + 1, 'x'));
  LoadSettings(Open(), settings);
  EXPECT_FALSE(EventsChosen(settings));

  Put("Option", "Events", std::string(10, 'x'), kRegDword);
  Put("Option", "MoonPhases", std::string("1\0", 2));
  settings = TCalendarSettings{};
  EXPECT_NE(LoadError(settings).find("'Events'"), std::string::npos) << "not text: an error";
  EXPECT_EQ(settings.MoonPhases, 1) << "loaded before it";
  EXPECT_EQ(settings.WeekNumbers, 0) << "the events' options come after it";
}

TEST_F(SettingsStoreTest, SaveNeverWritesHolidayRules) {
  TCalendarSettings settings = DefaultSettings();
  settings.HolidayRules = 1;
  auto store = Open();
  SaveSettings(store, settings);
  EXPECT_EQ(Get("Option", "HolidayRules"), nullptr);

  Put("Option", "HolidayRules", std::string("1\0", 2));
  settings.HolidayRules = 0;
  SaveSettings(store, settings);
  EXPECT_EQ(Get("Option", "HolidayRules")->data, std::string("1\0", 2)) << "left as it was";
}

// What a dialog's OK writes besides the thirty: an extra option only when its meaning changed, the
// own days only when their text did.
TEST_F(SettingsStoreTest, OnlyChangedOptionsAreSavedAfterTheThirty) {
  struct Case {
    const char* what;
    void (*edit)(TCalendarSettings&);
    std::vector<std::string> written;
  };
  const Case cases[] = {
      {"nothing", [](TCalendarSettings&) {}, {}},
      {"a stored 7 shown as the table, then 0", [](TCalendarSettings& s) { s.HolidayRules = 0; }, {}},
      {"a title out of range, then none", [](TCalendarSettings& s) { s.Title = 0; }, {}},
      {"the law", [](TCalendarSettings& s) { s.HolidayRules = 1; }, {"HolidayRules"}},
      {"two colours",
       [](TCalendarSettings& s) { s.PanelColor = 1, s.OutlineColor = 2; },
       {"PanelColor", "OutlineColor"}},
      {"the own days", [](TCalendarSettings& s) { s.OwnDays = OwnDayList("05-01 x"); }, {"OwnDays"}},
      {"rokuyo, and a 2 that means none", [](TCalendarSettings& s) { s.Rokuyo = 1, s.SolarTerms = 2; }, {"Rokuyo"}},
      {"the four of the almanac",
       [](TCalendarSettings& s) { s.MoonPhases = s.Kaiun = s.Eto = s.Zassetsu = 1; },
       {"Zassetsu", "Eto", "Kaiun", "MoonPhases"}},
      {"a 3 that means none", [](TCalendarSettings& s) { s.Eto = 3; }, {}},
      {"the events and their colour",
       [](TCalendarSettings& s) { s.Events = "C:\\a.ics", s.EventColor = 0xFF; },
       {"Events", "EventColor"}},
      {"a colour out of range, still each day's own", [](TCalendarSettings& s) { s.EventColor = -7; }, {}},
      {"the month's edges",
       [](TCalendarSettings& s) { s.AdjacentDays = s.WeekNumbers = 1; },
       {"AdjacentDays", "WeekNumbers"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string hostKey = std::string("Software\\") + c.what;
    TCalendarSettings opened = DefaultSettings();
    opened.HolidayRules = 7;
    opened.Title = 9;
    TCalendarSettings edited = opened;
    c.edit(edited);
    auto store = Open(hostKey);
    SaveChangedOptions(store, opened, edited);
    const MemoryKeyNode* option = registry_.Find(SettingsKeyPath(hostKey) + "\\Option");
    std::vector<std::string> names;
    if (option) {
      for (const auto& [name, value] : option->values) names.push_back(name);
    }
    std::vector<std::string> expected = c.written;
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
  }
}

TEST_F(SettingsStoreTest, ExpandStringIsTakenUnexpanded) {
  Put("Font\\Weekday", "FontName", std::string("%FONT%\0", 7), kRegExpandSz);
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Fonts.Weekday.Name, "%FONT%");
}

TEST_F(SettingsStoreTest, EmptyTextsAndEmptyData) {
  Put("Font\\Sunday", "FontName", std::string(1, '\0'));
  Put("Font\\Saturday", "FontName", "");
  Put("Font\\Holiday", "FontName", "", kRegDword);  // no data: empty text, the type is not looked at
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Fonts.Sunday.Name, "");
  EXPECT_EQ(settings.Fonts.Saturday.Name, "");
  EXPECT_EQ(settings.Fonts.Holiday.Name, "");
  EXPECT_EQ(settings.Fonts.Weekday.Name, kDefaultFontName);
}

TEST_F(SettingsStoreTest, TextEndsAtFirstNulOrAtTheEndOfUnterminatedData) {
  Put("Font\\Sunday", "FontName", std::string("Ari\0al\0", 7));
  Put("Font\\Saturday", "FontName", "Tahoma");  // no terminating NUL stored
  Put("Option", "Left", "12");
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Fonts.Sunday.Name, "Ari");
  EXPECT_EQ(settings.Fonts.Saturday.Name, "Tahoma");
  EXPECT_EQ(settings.Left, 12);
}

// A value longer than an ordinary one is fetched again at the size it reported; whatever it has
// become meanwhile is read within that size. Leading spaces make the numbers long.
TEST_F(SettingsStoreTest, LongValueChangingBetweenItsQueries) {
  const std::string longTwelve = std::string(300, ' ') + "12";
  const struct {
    std::string changedTo;
    std::string error;  // empty: Left reads as `left`
    int32_t left;
  } cases[] = {
      {std::string(4096, '7'), "'Left'" + Bytes("20 82 CC 8E E6 93 BE 82 C9 8E B8 94 73 82 B5 82 DC 82 B5 82 BD"), 0},
      {std::string("8\0", 2), "", 8},
      {longTwelve, "", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.changedTo.size());
    Put("Option", "Left", longTwelve);
    int queries = 0;
    registry_.beforeFetch = [&](MemoryValue& value) {
      if (++queries == 2) value.data = c.changedTo;
    };
    TCalendarSettings settings;
    EXPECT_EQ(LoadError(settings), c.error);
    if (c.error.empty()) {
      EXPECT_EQ(settings.Left, c.left);
    }
    registry_.beforeFetch = nullptr;
  }
}

TEST_F(SettingsStoreTest, FontStyleIsTheStoredLowByte) {
  Put("Font\\Weekday", "FontStyle", "3");
  Put("Font\\Saturday", "FontStyle", "256");
  Put("Font\\Sunday", "FontStyle", "-1");
  Put("Font\\Holiday", "FontStyle", "0");
  TCalendarSettings settings;
  settings.Fonts.Saturday.Style = fsBold;  // left by a cancelled dialog
  settings.Fonts.Holiday.Style = fsBold;
  settings.Fonts.DayOfWeek.Style = fsItalic;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Fonts.Weekday.Style, fsBold | fsItalic);
  EXPECT_EQ(settings.Fonts.Saturday.Style, 0);
  EXPECT_EQ(settings.Fonts.Sunday.Style, 255);
  EXPECT_EQ(settings.Fonts.Holiday.Style, 0);
  EXPECT_EQ(settings.Fonts.DayOfWeek.Style, 0) << "missing means no style";

  auto store = Open();
  SaveSettings(store, settings);
  EXPECT_EQ(Get("Font\\Sunday", "FontStyle")->data, std::string("255\0", 4));
}

TEST_F(SettingsStoreTest, SaveWritesThirtyTextValues) {
  auto store = Open();
  SaveSettings(store, DefaultSettings());
  const MemoryKeyNode* key = registry_.Find(kKey);
  EXPECT_EQ(key->values.size(), 0u);
  EXPECT_EQ(registry_.Find(std::string(kKey) + "\\Option")->values.size(), 10u);
  for (const char* section : {"Weekday", "Saturday", "Sunday", "Holiday", "DayOfWeek"}) {
    const auto* node = registry_.Find(std::string(kKey) + "\\Font\\" + section);
    ASSERT_NE(node, nullptr) << section;
    EXPECT_EQ(node->values.size(), 4u) << section;
    for (const auto& [name, value] : node->values) EXPECT_EQ(value.type, kRegSz) << name;
  }
  EXPECT_EQ(Get("Option", "TodayColor")->data, std::string("16777215\0", 9));
  EXPECT_EQ(Get("Font\\Saturday", "FontColor")->data, std::string("16776960\0", 9));
  EXPECT_EQ(Get("Font\\DayOfWeek", "FontName")->data, std::string(kDefaultFontName) + '\0');
}

TEST_F(SettingsStoreTest, SaveThenLoadGivesTheSameRecord) {
  TCalendarSettings saved = DefaultSettings();
  saved.Style1 = 1;
  saved.Left = -40;
  saved.TodayColor = -1;
  saved.Fonts.Holiday = TCalFont{"Arial", 14, 0x123456, 0xF5};
  auto store = Open();
  SaveSettings(store, saved);
  TCalendarSettings loaded;
  LoadSettings(Open(), loaded);
  EXPECT_EQ(loaded, saved);
}

TEST_F(SettingsStoreTest, FailedWriteStopsTheSaveAtThatValue) {
  registry_.failSetValue = [](const std::string& name) { return name == "FontColor"; };
  auto store = Open();
  try {
    SaveSettings(store, DefaultSettings());
    FAIL() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()),
              "'FontColor'" + Bytes("20 82 CC 90 DD 92 E8 82 C9 8E B8 94 73 82 B5 82 DC 82 B5 82 BD"));
  }
  EXPECT_EQ(registry_.Find(std::string(kKey) + "\\Option")->values.size(), 10u);
  EXPECT_NE(Get("Font\\Weekday", "FontSize"), nullptr);
  EXPECT_EQ(Get("Font\\Weekday", "FontStyle"), nullptr);
  EXPECT_EQ(registry_.Find(std::string(kKey) + "\\Font\\Saturday"), nullptr);
}

TEST_F(SettingsStoreTest, SectionThatCannotBeCreatedIsAnError) {
  Open();
  registry_.Find(kKey)->writable = false;
  auto store = Open();
  try {
    store.WriteSettingInteger("Font\\Weekday", "FontSize", 1);
    FAIL() << "no error";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()), Bytes("83 4C 81 5B 20") + "Font\\Weekday" +
                                         Bytes("20 82 CC 8D EC 90 AC 82 C9 8E B8 94 73 82 B5 82 DC 82 B5 82 BD"));
  }
}

TEST_F(SettingsStoreTest, ReadOnlySectionStillGivesItsValues) {
  Put("Option", "Width", "321");
  registry_.Find(std::string(kKey) + "\\Option")->writable = false;
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Width, 321);
}

TEST_F(SettingsStoreTest, UnopenableStoreReadsDefaults) {
  registry_.root().writable = false;
  auto store = Open();
  TCalendarSettings settings;
  LoadSettings(store, settings);
  EXPECT_EQ(settings, DefaultSettings());
  EXPECT_THROW(store.WriteSettingText("Option", "Left", "1"), ERegistryException);
  EXPECT_TRUE(registry_.root().subkeys.empty());
}

TEST_F(SettingsStoreTest, HostKeySelectsWhereEverythingGoes) {
  auto store = Open("Software\\A\\PlugIn");
  store.WriteSettingInteger("Option", "Left", 5);
  ASSERT_NE(registry_.Find("Software\\A\\PlugIn\\Tezun\\Option"), nullptr);
  EXPECT_EQ(registry_.Find("Software\\Tokiwanoshi"), nullptr);
}

TEST_F(SettingsStoreTest, PositionsAreReadTopThenLeftAndWrittenIntoTwoSections) {
  auto store = Open();
  EXPECT_EQ(ReadDialogPosition(store).x, 0);
  EXPECT_EQ(ReadDialogPosition(store).y, 0);
  WriteWindowPositions(store, {10, 20}, {-30, 40});
  EXPECT_EQ(Get("Position", "Left")->data, std::string("10\0", 3));
  EXPECT_EQ(Get("Position", "Top")->data, std::string("20\0", 3));
  EXPECT_EQ(Get("Calender", "Left")->data, std::string("-30\0", 4));
  EXPECT_EQ(Get("Calender", "Top")->data, std::string("40\0", 3));
  const ScreenPoint dialog = ReadDialogPosition(store);
  EXPECT_EQ(dialog.x, 10);
  EXPECT_EQ(dialog.y, 20);
  EXPECT_EQ(registry_.Find(std::string(kKey) + "\\Option"), nullptr);
}

TEST_F(SettingsStoreTest, EveryPositionThatCanBeWrittenIsWritten) {
  registry_.failSetValue = [](const std::string& name) { return name == "Top"; };
  auto store = Open();
  EXPECT_THROW(WriteWindowPositions(store, {10, 20}, {30, 40}), ERegistryException);
  EXPECT_EQ(Get("Position", "Top"), nullptr);
  EXPECT_EQ(Get("Position", "Left")->data, std::string("10\0", 3));
  EXPECT_EQ(Get("Calender", "Top"), nullptr);
  EXPECT_EQ(Get("Calender", "Left")->data, std::string("30\0", 3));
}

}  // namespace
}  // namespace tezun
