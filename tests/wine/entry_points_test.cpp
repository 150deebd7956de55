// The three exports of the real Tezun.bpi, loaded as the host loads it.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "plugin/exports.h"
#include "support/bytes.h"
#include "support/dialog_driver.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"

namespace tezun {
namespace {

using test::Bytes;

class PluginDll {
 public:
  PluginDll() {
    wchar_t path[MAX_PATH];
    std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    module_ = LoadLibraryW((self.substr(0, self.find_last_of(L"\\/") + 1) + L"Tezun.bpi").c_str());
  }
  PluginDll(const PluginDll&) = delete;
  PluginDll& operator=(const PluginDll&) = delete;
  ~PluginDll() {
    if (module_) FreeLibrary(module_);
  }
  template <class Proc>
  Proc Get(const char* name) const {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  template <class Proc>
  Proc Get(int ordinal) const {
    return Get<Proc>(MAKEINTRESOURCEA(ordinal));
  }
  HMODULE module() const { return module_; }

 private:
  HMODULE module_ = nullptr;
};

using InfoProc = decltype(&GetPlugInInfo);
using ExecuteProc = decltype(&ExecutePlugIn);
using SettingProc = decltype(&SettingPlugIn);

TEST(EntryPoints, ExportsAreFoundByNameAndOrdinal) {
  PluginDll dll;
  ASSERT_NE(dll.module(), nullptr);
  EXPECT_EQ(dll.Get<void*>(1), dll.Get<void*>("ExecutePlugIn"));
  EXPECT_EQ(dll.Get<void*>(2), dll.Get<void*>("SettingPlugIn"));
  EXPECT_EQ(dll.Get<void*>(3), dll.Get<void*>("GetPlugInInfo"));
  EXPECT_NE(dll.Get<void*>("GetPlugInInfo"), nullptr);
}

TEST(EntryPoints, InformationTextsByteForByte) {
  PluginDll dll;
  auto info = dll.Get<InfoProc>("GetPlugInInfo");
  ASSERT_NE(info, nullptr);
  const std::pair<int32_t, std::string> expected[] = {
      {0, "B"}, {1, Bytes("83 41 83 49 83 5D 83 89 83 6D 83 7D 83 68")}, {2, "0106"}, {3, "10"}, {4, ""}, {5, ""},
      {-1, ""},
  };
  for (const auto& [kind, text] : expected) {
    char buffer[32];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(info(kind, buffer), 0);
    EXPECT_EQ(std::string(buffer), text) << "kind " << kind;
    EXPECT_EQ(buffer[text.size() + 1], 'X') << "kind " << kind << ": wrote past its text";
  }
  EXPECT_EQ(info(1, nullptr), 0);
}

class ExecutePlugInTest : public ::testing::Test {
 protected:
  static HBITMAP MakeBitmap(int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    return bitmap;
  }

  PluginDll dll_;
  test::RegistrySandbox sandbox_;
  ExecuteProc execute_ = dll_.Get<ExecuteProc>("ExecutePlugIn");
};

TEST_F(ExecutePlugInTest, ReturnsANewScreenSized24BitBitmapAndDeletesTheOldOne) {
  ASSERT_NE(execute_, nullptr);
  HBITMAP given = MakeBitmap(40, 30);
  HBITMAP wallpaper = given;
  EXPECT_EQ(execute_(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
  ASSERT_NE(wallpaper, nullptr);
  EXPECT_NE(wallpaper, given);
  BITMAP shape{};
  EXPECT_EQ(GetObjectW(given, sizeof shape, &shape), 0) << "the host's bitmap still exists";

  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(wallpaper, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBm.bmWidth, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(section.dsBm.bmHeight, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(section.dsBm.bmBitsPixel, 24);

  // The host can select it: no device context of the plug-in holds it.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, wallpaper);
  EXPECT_NE(previous, nullptr);
  EXPECT_NE(previous, HGDI_ERROR);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(wallpaper);

  EXPECT_TRUE(test::KeyExists(sandbox_.SettingsPath())) << "the call creates the settings key";
  EXPECT_TRUE(test::ValueNames(sandbox_.SettingsPath()).empty()) << "and writes nothing";
  EXPECT_TRUE(test::SubkeyNames(sandbox_.SettingsPath()).empty());
}

TEST_F(ExecutePlugInTest, DefaultsDrawA200SquareCalendarAtTheTopLeft) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HBITMAP wallpaper = test::MakePatternBitmap(width, height);
  EXPECT_EQ(execute_(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
  const test::Pixels pixels = test::ReadPixels(wallpaper);
  DeleteObject(wallpaper);
  ASSERT_EQ(pixels.width, width);
  int inside = 0, outside = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (pixels.at(x, y) != test::PatternColor(x, y)) ++(x < 200 && y < 200 ? inside : outside);
    }
  }
  EXPECT_GT(inside, 200) << "names, numbers and today's mark";
  EXPECT_EQ(outside, 0);
}

TEST_F(ExecutePlugInTest, NullPointerToTheBitmapIsHarmless) {
  EXPECT_EQ(execute_(nullptr, sandbox_.HostKey().c_str(), nullptr), 0);
}

TEST_F(ExecutePlugInTest, LoadErrorLeavesTheHostItsOwnPicture) {
  const DWORD width = 300;
  sandbox_.Put("Option", "Width", REG_DWORD, std::string(reinterpret_cast<const char*>(&width), sizeof width));
  HBITMAP given = MakeBitmap(40, 30);
  HBITMAP wallpaper = given;
  EXPECT_EQ(execute_(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
  EXPECT_EQ(wallpaper, given);
  BITMAP shape{};
  EXPECT_NE(GetObjectW(given, sizeof shape, &shape), 0) << "the host's bitmap was deleted";
  DeleteObject(given);
}

// The DLL's own dialog, closed by its close box as soon as it shows.
TEST(SettingPlugIn, TakesAndDeletesTheBitmap) {
  PluginDll dll;
  test::RegistrySandbox sandbox;
  auto setting = dll.Get<SettingProc>("SettingPlugIn");
  ASSERT_NE(setting, nullptr);
  for (bool withPicture : {true, false}) {
    HDC screen = GetDC(nullptr);
    HBITMAP given = withPicture ? CreateCompatibleBitmap(screen, 16, 16) : nullptr;
    ReleaseDC(nullptr, screen);
    std::thread user([] {
      HWND dialog = test::WaitForTopWindow("TezunSetting");
      PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(setting(nullptr, sandbox.HostKey().c_str(), given), 0);
    user.join();
    if (given) {
      EXPECT_FALSE(test::IsBitmap(given));
    }
  }
}

TEST(DefaultKey, NullAndEmptyKeyTextsUseTheDefaultPath) {
  PluginDll dll;
  auto execute = dll.Get<ExecuteProc>("ExecutePlugIn");
  const std::string defaultPath = "Software\\Tokiwanoshi\\Zelo32\\PlugIn\\Tezun";
  for (const char* key : {static_cast<const char*>(nullptr), ""}) {
    test::DeleteKeyTree("Software\\Tokiwanoshi");
    HBITMAP wallpaper = nullptr;
    EXPECT_EQ(execute(nullptr, key, &wallpaper), 0);
    DeleteObject(wallpaper);
    HKEY opened = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, defaultPath.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS)
        << (key ? "empty" : "null");
    if (opened) RegCloseKey(opened);
  }
  test::DeleteKeyTree("Software\\Tokiwanoshi");
}

}  // namespace
}  // namespace tezun
