// The settings store against the real registry.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "core/settings_store.h"
#include "plugin/exports.h"
#include "plugin/win32_registry.h"
#include "render/today.h"
#include "support/bytes.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"

namespace tezun {
namespace {

using test::Bytes;
using test::RegistrySandbox;

class SettingsRegistryTest : public ::testing::Test {
 protected:
  SettingsStore Open() { return OpenSettingsStore(*currentUser_, sandbox_.HostKey()); }

  RegistrySandbox sandbox_;
  std::unique_ptr<RegistryKey> currentUser_ = CurrentUserKey();
};

TEST_F(SettingsRegistryTest, MissingKeyIsCreatedEmptyAndDefaultsHold) {
  ASSERT_FALSE(test::KeyExists(sandbox_.SettingsPath()));
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings, DefaultSettings());
  EXPECT_TRUE(test::KeyExists(sandbox_.SettingsPath()));
  EXPECT_TRUE(test::SubkeyNames(sandbox_.SettingsPath()).empty());
  EXPECT_TRUE(test::ValueNames(sandbox_.SettingsPath()).empty());
}

TEST_F(SettingsRegistryTest, DwordWidthStopsTheLoadAfterTop) {
  sandbox_.PutText("Option", "Style1", "1");
  sandbox_.PutText("Option", "Style2", "1");
  sandbox_.PutText("Option", "Left", "10");
  sandbox_.PutText("Option", "Top", "20");
  const DWORD width = 300;
  sandbox_.Put("Option", "Width", REG_DWORD, std::string(reinterpret_cast<const char*>(&width), sizeof width));
  sandbox_.PutText("Option", "Height", "99");
  TCalendarSettings settings;
  try {
    LoadSettings(Open(), settings);
    FAIL() << "the load went through";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()),
              "'Width'" + Bytes("20 82 CC 83 66 81 5B 83 5E 8C 5E 82 AA 95 73 90 B3 82 C5 82 B7"));
  }
  EXPECT_EQ(settings.Style1, 1);
  EXPECT_EQ(settings.Style2, 1);
  EXPECT_EQ(settings.Left, 10);
  EXPECT_EQ(settings.Top, 20);
  EXPECT_EQ(settings.Width, 0);
  EXPECT_EQ(settings.Height, 0);
}

TEST_F(SettingsRegistryTest, SaveAfterDefaultsWritesThirtyTextValues) {
  auto store = Open();
  SaveSettings(store, DefaultSettings());
  EXPECT_EQ(test::ValueNames(sandbox_.SettingsPath("Option")).size(), 10u);
  int values = 0;
  for (const char* section :
       {"Option", "Font\\Weekday", "Font\\Saturday", "Font\\Sunday", "Font\\Holiday", "Font\\DayOfWeek"}) {
    for (const auto& name : test::ValueNames(sandbox_.SettingsPath(section))) {
      const auto value = sandbox_.Get(section, name);
      ASSERT_TRUE(value);
      EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ)) << section << "/" << name;
      ++values;
    }
  }
  EXPECT_EQ(values, 30);
  EXPECT_EQ(sandbox_.Get("Option", "TodayColor")->data, std::string("16777215\0", 9));
  EXPECT_EQ(sandbox_.Get("Font\\Saturday", "FontColor")->data, std::string("16776960\0", 9));
  EXPECT_EQ(sandbox_.Get("Font\\Weekday", "FontName")->data, Bytes("82 6C 82 72 20 83 53 83 56 83 62 83 4E 00"));
  EXPECT_EQ(test::SubkeyNames(sandbox_.SettingsPath("Font")).size(), 5u);
}

TEST_F(SettingsRegistryTest, SavedSettingsLoadBack) {
  TCalendarSettings saved = DefaultSettings();
  saved.Width = 321;
  saved.TodayColor = static_cast<int32_t>(0xFF000005);
  saved.Fonts.DayOfWeek = TCalFont{Bytes("82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E"), 11, 0x00ABCDEF, fsItalic};
  auto store = Open();
  SaveSettings(store, saved);
  TCalendarSettings loaded;
  LoadSettings(Open(), loaded);
  EXPECT_EQ(loaded, saved);
}

TEST_F(SettingsRegistryTest, UnterminatedAndExpandTextsReadSafely) {
  sandbox_.Put("Font\\Sunday", "FontName", REG_SZ, "Tahoma");  // stored without its NUL
  sandbox_.Put("Font\\Saturday", "FontName", REG_EXPAND_SZ, std::string("%X%\0", 4));
  sandbox_.Put("Option", "Left", REG_SZ, std::string("  $10\0junk", 10));
  TCalendarSettings settings;
  LoadSettings(Open(), settings);
  EXPECT_EQ(settings.Fonts.Sunday.Name, "Tahoma");
  EXPECT_EQ(settings.Fonts.Saturday.Name, "%X%");
  EXPECT_EQ(settings.Left, 16);
}

TEST_F(SettingsRegistryTest, HostKeyTextsSelectTheKey) {
  EXPECT_EQ(SettingsKeyPath("Software\\A\\PlugIn"), "Software\\A\\PlugIn\\Tezun");
  {
    auto store = Open();
    store.WriteSettingInteger("Option", "Left", 7);
  }
  EXPECT_EQ(sandbox_.Get("Option", "Left")->data, std::string("7\0", 2));

  // A leading backslash still names a key below the current user's root.
  auto store = OpenSettingsStore(*currentUser_, "\\" + sandbox_.HostKey());
  store.WriteSettingInteger("Option", "Top", 8);
  EXPECT_EQ(sandbox_.Get("Option", "Top")->data, std::string("8\0", 2));
}

// The whole call under either holiday rules: 23 December 2026 (a Wednesday, week row 3) is a holiday
// in the built-in table and a working day by the law in force. The holiday font is red, the
// weekday font black.
TEST_F(SettingsRegistryTest, HolidayRulesDecideWhatTheWallpaperMarks) {
  FixTodayForTesting(DateOf(std::chrono::year{2026} / 12 / 9));
  for (const char* rules : {static_cast<const char*>(nullptr), "1"}) {
    SCOPED_TRACE(rules ? rules : "none");
    if (rules) sandbox_.PutText("Option", "HolidayRules", rules);
    HBITMAP wallpaper = nullptr;  // the calendar on the desktop colour
    EXPECT_EQ(ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
    const test::Pixels pixels = test::ReadPixels(wallpaper);
    DeleteObject(wallpaper);
    const int red = test::RedPixelsIn(pixels, {3 * 28, 4 * 28, 4 * 28, 5 * 28});
    if (rules) {
      EXPECT_EQ(red, 0) << "drawn as a weekday";
    } else {
      EXPECT_GT(red, 5) << "drawn as a holiday";
    }
  }
  FixTodayForTesting(std::nullopt);
}

// The user's own days, stored as one text value: December 2026 with the 14th (a Monday) off, the
// year-end break from the 29th, and the 23rd, the table's holiday, worked. A line that does not
// parse is ignored, and the rest still counts.
TEST_F(SettingsRegistryTest, OwnDaysDecideWhatTheWallpaperMarksOverEitherRules) {
  FixTodayForTesting(DateOf(std::chrono::year{2026} / 12 / 9));
  sandbox_.PutText("Option", "OwnDays",
                   "2026-12-14 office closed\r\n12-32 no such day\n-12-23\r\n12-29..01-03 year end");
  auto cell = [](int week, int column) {
    return RECT{column * 28, (week + 1) * 28, (column + 1) * 28, (week + 2) * 28};
  };
  for (const char* rules : {"0", "1"}) {
    SCOPED_TRACE(rules);
    sandbox_.PutText("Option", "HolidayRules", rules);
    HBITMAP wallpaper = nullptr;  // the calendar on the desktop colour
    EXPECT_EQ(ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
    const test::Pixels pixels = test::ReadPixels(wallpaper);
    DeleteObject(wallpaper);
    EXPECT_GT(test::RedPixelsIn(pixels, cell(2, 1)), 5) << "the 14th, off";
    EXPECT_EQ(test::RedPixelsIn(pixels, cell(2, 2)), 0) << "the 15th, a weekday";
    EXPECT_EQ(test::RedPixelsIn(pixels, cell(3, 3)), 0) << "the 23rd, worked";
    for (int column : {2, 3, 4}) EXPECT_GT(test::RedPixelsIn(pixels, cell(4, column)), 5) << "the year end";
  }
  FixTodayForTesting(std::nullopt);
}

int64_t CalendarLeft(const char* hostKey) {
  HBITMAP wallpaper = nullptr;  // the calendar on the desktop colour
  ExecutePlugIn(nullptr, hostKey, &wallpaper);
  const int left = test::CalendarLeftOf(wallpaper);
  DeleteObject(wallpaper);
  return left;
}

// The settings a call read are kept while nothing under the key changes; whoever changes
// anything, the next call draws what is stored: this process, another one, a registry file
// imported, the key deleted and made anew, another host's key and back.
TEST_F(SettingsRegistryTest, EveryChangeOfTheStoredSettingsIsSeenByTheNextCall) {
  const std::string key = sandbox_.HostKey();
  const std::string option = "HKCU\\" + sandbox_.SettingsPath("Option");
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string regFile = std::string(folder) + "tezun-cache-" + std::to_string(GetCurrentProcessId()) + ".reg";
  const struct {
    const char* writer;
    std::function<void(int left)> write;
  } writers[] = {
      {"this process", [&](int left) { sandbox_.PutText("Option", "Left", std::to_string(left)); }},
      {"another process",
       [&](int left) { test::RunReg("add \"" + option + "\" /v Left /d " + std::to_string(left) + " /f"); }},
      {"a registry file",
       [&](int left) {
         std::ofstream(regFile, std::ios::binary)
             << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" << sandbox_.SettingsPath("Option") << "]\r\n\"Left\"=\"" << left
             << "\"\r\n";
         test::RunReg("import \"" + regFile + "\"");
       }},
      {"the key made anew",
       [&](int left) {
         test::DeleteKeyTree(sandbox_.SettingsPath());
         sandbox_.PutText("Option", "Left", std::to_string(left));
       }},
  };
  int64_t drawn = CalendarLeft(key.c_str());
  EXPECT_LT(drawn, 28);
  int left = 100;
  for (const auto& w : writers) {
    SCOPED_TRACE(w.writer);
    EXPECT_EQ(CalendarLeft(key.c_str()), drawn) << "the same once more";
    left += 100;
    w.write(left);
    drawn = CalendarLeft(key.c_str());
    EXPECT_GE(drawn, left);
    EXPECT_LT(drawn, left + 28);
  }
  DeleteFileA(regFile.c_str());

  // The key itself deleted: the next call creates it again, as every call does. No watch tells
  // of a key's own deletion: an empty key deleted and made anew with a value must be seen too.
  test::DeleteKeyTree(sandbox_.SettingsPath());
  EXPECT_LT(CalendarLeft(key.c_str()), 28);
  EXPECT_TRUE(test::KeyExists(sandbox_.SettingsPath()));
  test::DeleteKeyTree(sandbox_.SettingsPath());
  sandbox_.PutText("Option", "Left", "900");
  drawn = CalendarLeft(key.c_str());
  EXPECT_GE(drawn, 900) << "an empty key deleted and made anew";
  EXPECT_LT(drawn, 928);
  sandbox_.PutText("Option", "Left", "0");

  // Another host's key, in the sandbox's own.
  const std::string otherKey = key + "\\other";
  HKEY otherOption = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, (otherKey + "\\Tezun\\Option").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &otherOption, nullptr);
  RegSetValueExA(otherOption, "Left", 0, REG_SZ, reinterpret_cast<const BYTE*>("700"), 4);
  RegCloseKey(otherOption);
  const int64_t otherLeft = CalendarLeft(otherKey.c_str());
  EXPECT_GE(otherLeft, 700) << "another host's key";
  EXPECT_LT(otherLeft, 728);
  EXPECT_LT(CalendarLeft(key.c_str()), 28) << "and back";
}

}  // namespace
}  // namespace tezun
