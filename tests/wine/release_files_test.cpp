// The registry files of the release as a user imports them: run by check_package.sh, with
// TEZUN_RELEASE_DIR naming the unpacked zip. Each is imported with a key of the test's own in
// place of the default one it names.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "plugin/exports.h"
#include "render/today.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"

namespace tezun {
namespace {

TEST(ReleaseFiles, HolidayLawSwitchesTheCalendarAndUninstallLeavesNoKey) {
  char folder[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("TEZUN_RELEASE_DIR", folder, sizeof folder), 0u);
  test::RegistrySandbox sandbox;
  auto import = [&](const char* name) {
    std::ifstream file(std::string(folder) + "\\" + name, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    const std::string defaultKey = "Software\\Tokiwanoshi\\Zelo32\\PlugIn";
    const size_t at = text.find(defaultKey);
    ASSERT_NE(at, std::string::npos) << name << " does not name the default key";
    text.replace(at, defaultKey.size(), sandbox.HostKey());
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string copy = std::string(temp) + "tezun-release-" + name;
    std::ofstream(copy, std::ios::binary) << text;
    test::RunReg("import \"" + copy + "\"");
    DeleteFileA(copy.c_str());
  };
  // 23 December 2026: a holiday of the built-in table, none by the law in force.
  FixTodayForTesting(DateOf(std::chrono::year{2026} / 12 / 9));
  auto decemberTheTwentyThirdIsRed = [&] {
    HBITMAP wallpaper = nullptr;
    ExecutePlugIn(nullptr, sandbox.HostKey().c_str(), &wallpaper);
    const test::Pixels pixels = test::ReadPixels(wallpaper);
    DeleteObject(wallpaper);
    return test::RedPixelsIn(pixels, {3 * 28, 4 * 28, 4 * 28, 5 * 28}) > 5;
  };
  EXPECT_TRUE(decemberTheTwentyThirdIsRed()) << "before holiday-law.reg";
  import("holiday-law.reg");
  EXPECT_FALSE(decemberTheTwentyThirdIsRed()) << "after holiday-law.reg";
  import("uninstall.reg");
  EXPECT_FALSE(test::KeyExists(sandbox.SettingsPath())) << "uninstall.reg left the key";
  FixTodayForTesting(std::nullopt);
}

}  // namespace
}  // namespace tezun
