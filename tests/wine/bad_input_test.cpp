// ExecutePlugIn against what a host or a hand-edited registry may hand it, and against resources
// that fail at every step: it returns 0, the host always holds a valid picture (its own where no
// new one can be made), nothing in the registry is lost and nothing leaks.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <utility>

#include "core/settings_store.h"
#include "forms/setoption.h"
#include "forms/window.h"
#include "graphics/bitmap.h"
#include "plugin/exports.h"
#include "plugin/win32_registry.h"
#include "process_resources.h"
#include "render/today.h"
#include "support/dialog_driver.h"
#include "support/pixels.h"
#include "support/registry_sandbox.h"
#include "support/ui_driver.h"

namespace tezun {
namespace {

using namespace std::chrono_literals;
using RegistrySnapshot = std::map<std::string, std::string>;

// Every value below a key: its path, type and data. The registry is a tree; so is this walk.
// NOLINTNEXTLINE(misc-no-recursion)
void Collect(HKEY key, const std::string& path, RegistrySnapshot& snapshot, std::vector<BYTE>& data) {
  char name[16384];
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name, dataSize = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS) break;
    snapshot[path + "|" + std::string(name, nameSize)] =
        std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data.data()), dataSize);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY sub = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
      Collect(sub, path + "\\" + std::string(name, nameSize), snapshot, data);
      RegCloseKey(sub);
    }
  }
}

// The test's own key of HKEY_CURRENT_USER (other tests write theirs meanwhile).
RegistrySnapshot Snapshot(const std::string& path) {
  RegistrySnapshot snapshot;
  std::vector<BYTE> data(1 << 21);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    Collect(key, path, snapshot, data);
    RegCloseKey(key);
  }
  return snapshot;
}

// A bitmap the host has selected into a memory device context of its own while this lives, as a
// careless host may hand it over: no other device context can select it meanwhile.
class SelectedByTheHost {
 public:
  explicit SelectedByTheHost(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), previous_(SelectObject(dc_, bitmap)) {}
  SelectedByTheHost(const SelectedByTheHost&) = delete;
  SelectedByTheHost& operator=(const SelectedByTheHost&) = delete;
  ~SelectedByTheHost() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  bool ok() const { return previous_ != nullptr; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The pictures such a host hands over: a device-independent one and one of the display's format.
HBITMAP MakeHostPicture(bool deviceIndependent) {
  if (deviceIndependent) return test::MakePatternBitmap(64, 48);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, 64, 48);
  ReleaseDC(nullptr, screen);
  return picture;
}

// What a picture that could not be read composes to: the desktop colour everywhere but where the
// default calendar (200 x 200 at the top-left corner) has its ink.
void ExpectDesktopColourAndTheCalendar(const test::Pixels& pixels) {
  ASSERT_EQ(pixels.width, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(pixels.height, GetSystemMetrics(SM_CYSCREEN));
  const uint32_t desktop = test::FromColorRef(GetSysColor(COLOR_BACKGROUND));
  int elsewhere = 0, ink = 0;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const bool inCalendar = x < 200 && y < 200;
      if (pixels.at(x, y) != desktop) ++(inCalendar ? ink : elsewhere);
    }
  }
  EXPECT_EQ(elsewhere, 0) << "pixels of neither the desktop colour nor the calendar";
  EXPECT_GT(ink, 200) << "the calendar";
}

class BadInputTest : public ::testing::Test {
 protected:
  BadInputTest() {
    FixTodayForTesting(DateOf(std::chrono::year{2026} / 5 / 13));
    settingsKey_ = sandbox_.HostKey();
  }
  void TearDown() override {
    FixTodayForTesting(std::nullopt);
    FailBitmapCreationForTesting(std::nullopt);
    FailRegistryKeysForTesting(nullptr);
  }

  // One call as the host makes it, with the checks that hold for every input. Returns whether a
  // new picture came back.
  bool Call(HBITMAP given, const char* key) {
    const bool givenIsBitmap = test::IsBitmap(given);
    const RegistrySnapshot before = leakRun_ ? RegistrySnapshot{} : Snapshot(sandbox_.HostKey());
    HBITMAP wallpaper = given;
    EXPECT_EQ(ExecutePlugIn(nullptr, key, &wallpaper), 0);
    if (!leakRun_) {
      EXPECT_TRUE(before == Snapshot(sandbox_.HostKey())) << "the registry's values changed";
    }

    if (wallpaper == given) {  // no new picture: the host keeps its own, whole
      EXPECT_EQ(test::IsBitmap(given), givenIsBitmap);
      return false;
    }
    EXPECT_TRUE(test::IsBitmap(wallpaper));
    BITMAP shape{};
    GetObjectW(wallpaper, sizeof shape, &shape);
    EXPECT_EQ(shape.bmWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(shape.bmHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(shape.bmBitsPixel, 24);
    if (givenIsBitmap) {
      EXPECT_FALSE(test::IsBitmap(given)) << "the host's bitmap was not deleted";
    }
    DeleteObject(wallpaper);
    return true;
  }
  bool Call(HBITMAP given) { return Call(given, settingsKey_.c_str()); }

  // The same input many times over leaves the process as it was.
  void ExpectNoLeak(const std::function<void()>& call) {
    leakRun_ = true;
    call();  // caches and fonts settle
    const tezunhost::ProcessResources before = tezunhost::MeasureProcessResources();
    for (int i = 0; i < 25; ++i) call();
    const tezunhost::ProcessResources after = tezunhost::MeasureProcessResources();
    EXPECT_LE(static_cast<long>(after.gdiObjects) - static_cast<long>(before.gdiObjects), 4) << "GDI objects leak";
    EXPECT_LE(static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes), 1 << 20)
        << "memory leaks";
    EXPECT_LE(static_cast<long>(after.handles) - static_cast<long>(before.handles), 2) << "handles leak";
    leakRun_ = false;
  }

  test::RegistrySandbox sandbox_;
  std::string settingsKey_;
  bool leakRun_ = false;  // the registry was checked on the first call already
};

TEST_F(BadInputTest, HandlesThatAreNoUsableBitmap) {
  EXPECT_TRUE(Call(nullptr));
  EXPECT_TRUE(Call(reinterpret_cast<HBITMAP>(static_cast<ULONG_PTR>(0x76543))));
  HBITMAP deleted = test::MakePatternBitmap(10, 10);
  DeleteObject(deleted);
  EXPECT_TRUE(Call(deleted));
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));  // a live object of the host, of another kind
  EXPECT_TRUE(Call(reinterpret_cast<HBITMAP>(brush)));
  EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << "not ours to delete";
  DeleteObject(brush);
  ExpectNoLeak([&] { Call(nullptr); });
}

TEST_F(BadInputTest, BitmapsOfEveryFormat) {
  HDC screen = GetDC(nullptr);
  EXPECT_TRUE(Call(CreateCompatibleBitmap(screen, 30, 20)));
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(Call(CreateBitmap(30, 20, 1, 1, nullptr)));  // monochrome, device-dependent
  for (int depth : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(depth);
    EXPECT_TRUE(Call(test::MakePatternBitmap(50, 30, depth)));
    EXPECT_TRUE(Call(test::MakePatternBitmap(50, 30, depth, true)));
  }
  ExpectNoLeak([&] { Call(test::MakePatternBitmap(40, 20, 8)); });
}

TEST_F(BadInputTest, ExtremeSizes) {
  for (SIZE size : {SIZE{1, 1}, SIZE{20000, 1}, SIZE{1, 20000}}) {
    SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
    EXPECT_TRUE(Call(test::MakePatternBitmap(size.cx, size.cy)));
    sandbox_.PutText("Option", "Style1", "1");
    EXPECT_TRUE(Call(test::MakePatternBitmap(size.cx, size.cy)));
    sandbox_.PutText("Option", "Style1", "0");
  }
  ExpectNoLeak([&] { Call(test::MakePatternBitmap(20000, 1)); });
}

TEST_F(BadInputTest, APictureTooLargeToCopyIsNeverCopied) {
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  const SIZE_T before = memory.WorkingSetSize;
  HBITMAP huge = test::MakePatternBitmap(12000, 12000);  // 412 MiB, every byte written
  ASSERT_NE(huge, nullptr);
  const double picture = 12000.0 * 12000 * 3,
               screen = GetSystemMetrics(SM_CXSCREEN) * 3.0 * GetSystemMetrics(SM_CYSCREEN);
  EXPECT_TRUE(Call(huge));
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  EXPECT_LT(static_cast<double>(memory.PeakWorkingSetSize - before), picture + screen + 32.0 * (1 << 20))
      << "a second copy of the picture was made";
}

// A 32-bit host may hand over a picture so large that no second copy of it fits the address
// space: the composition must work from the picture itself, and nothing may be left behind.
TEST_F(BadInputTest, APictureWhoseCopyCannotFitTheAddressSpace) {
  if (sizeof(void*) > 4) GTEST_SKIP() << "every copy fits a 64-bit address space; see the test above";
  auto makeSquare = [](int side) { return test::MakeGreyBitmap(side, side, 0x77); };
  int side = 16000;  // 732 MiB: more than the address space has room for in one piece
  HBITMAP huge = nullptr;
  while (!huge && side > 8000) huge = makeSquare(side -= 250);
  ASSERT_NE(huge, nullptr);
  HBITMAP copy = makeSquare(side);
  EXPECT_EQ(copy, nullptr) << "a second " << side << " x " << side << " picture fits: the case is not tested";
  if (copy) DeleteObject(copy);

  // Centred, tiled, centred: the last two measured, once the first has settled what it settles.
  tezunhost::ProcessResources before;
  for (int call = 0; call < 3; ++call) {
    SCOPED_TRACE(call);
    if (call == 1) before = tezunhost::MeasureProcessResources();
    sandbox_.PutText("Option", "Style1", call == 1 ? "1" : "0");
    HBITMAP wallpaper = huge ? std::exchange(huge, nullptr) : makeSquare(side);
    ASSERT_NE(wallpaper, nullptr);
    EXPECT_EQ(ExecutePlugIn(nullptr, settingsKey_.c_str(), &wallpaper), 0);
    const test::Pixels pixels = test::ReadPixels(wallpaper);
    DeleteObject(wallpaper);
    ASSERT_EQ(pixels.width, GetSystemMetrics(SM_CXSCREEN)) << "no new picture";
    EXPECT_EQ(pixels.at(pixels.width - 1, pixels.height - 1), 0x777777u) << "the picture covers the screen";
  }
  const tezunhost::ProcessResources after = tezunhost::MeasureProcessResources();
  EXPECT_LE(static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes), 1 << 20);
  EXPECT_LE(static_cast<long>(after.gdiObjects) - static_cast<long>(before.gdiObjects), 4);
}

TEST_F(BadInputTest, ABitmapTheHostStillHasSelectedComposesAsNoPicture) {
  for (const char* style1 : {"0", "1"}) {
    for (bool deviceIndependent : {true, false}) {
      SCOPED_TRACE(testing::Message() << "Style1 " << style1 << (deviceIndependent ? ", DIB" : ", DDB"));
      sandbox_.PutText("Option", "Style1", style1);
      HBITMAP given = MakeHostPicture(deviceIndependent);
      HBITMAP wallpaper = given;
      {
        const SelectedByTheHost host(given);
        ASSERT_TRUE(host.ok());
        EXPECT_EQ(ExecutePlugIn(nullptr, settingsKey_.c_str(), &wallpaper), 0);
      }
      ASSERT_NE(wallpaper, given) << "no new picture";
      EXPECT_FALSE(test::IsBitmap(given)) << "handed in, so deleted once the host lets go of it";
      ExpectDesktopColourAndTheCalendar(test::ReadPixels(wallpaper));
      DeleteObject(wallpaper);
    }
  }
  ExpectNoLeak([&] {
    HBITMAP wallpaper = MakeHostPicture(true);
    {
      const SelectedByTheHost host(wallpaper);
      ExecutePlugIn(nullptr, settingsKey_.c_str(), &wallpaper);
    }
    DeleteObject(wallpaper);
  });
}

// The settings dialog's preview of such a picture, shown on the display (see CMakeLists.txt: it
// waits for the display like the window tests).
TEST_F(BadInputTest, ABitmapTheHostStillHasSelectedPreviewsAsNoPicture) {
  for (const char* style1 : {"0", "1"}) {
    for (bool deviceIndependent : {true, false}) {
      SCOPED_TRACE(testing::Message() << "Style1 " << style1 << (deviceIndependent ? ", DIB" : ", DDB"));
      sandbox_.PutText("Option", "Style1", style1);
      HBITMAP given = MakeHostPicture(deviceIndependent);
      auto host = std::make_unique<SelectedByTheHost>(given);
      ASSERT_TRUE(host->ok());
      test::Pixels shown;
      std::atomic<bool> returned = false;
      std::thread user([&] {
        HWND dialog = test::WaitForTopWindow(kSettingClass);
        ASSERT_NE(dialog, nullptr);
        test::ClickControl(dialog, TfrmSetting::btnPreview);
        if (HWND preview = test::WaitForTopWindow(kPreviewClass)) {
          shown = test::CaptureClient(GetWindow(preview, GW_CHILD));
          PostMessageA(preview, WM_LBUTTONUP, 0, 0);
          test::WaitUntil([] { return test::FindTopWindow(kPreviewClass) == nullptr; });
        }
        test::ClickControl(dialog, TfrmSetting::btnCancel);
        if (!test::WaitUntil([&] { return returned.load(); }, 60s)) PostMessageA(dialog, WM_CLOSE, 0, 0);
      });
      EXPECT_EQ(SettingPlugIn(nullptr, settingsKey_.c_str(), given), 0);
      returned = true;
      user.join();
      host.reset();
      EXPECT_FALSE(test::IsBitmap(given)) << "handed in, so deleted once the host lets go of it";
      ExpectDesktopColourAndTheCalendar(shown);
    }
  }
}

TEST_F(BadInputTest, RegistryKeyTexts) {
  sandbox_.PutText("Option", "Width", "250");  // a value that must survive every call
  const std::string longText(4096, 'A');
  const std::string trailing = sandbox_.HostKey() + "\\";
  for (const char* key : {static_cast<const char*>(nullptr), "", "\\", trailing.c_str(), longText.c_str(),
                          "Software\\TezunTests\\\x81\xFF\x82\x20\xFC"}) {
    SCOPED_TRACE(key ? std::string(key).substr(0, 40) : "(null)");
    EXPECT_TRUE(Call(test::MakePatternBitmap(16, 16), key));
  }
  ExpectNoLeak([&] { Call(nullptr, longText.c_str()); });
}

TEST_F(BadInputTest, StoredValuesOfEveryType) {
  const std::string eight(8, '\x01');
  for (DWORD type :
       {REG_NONE, REG_BINARY, REG_DWORD, REG_DWORD_BIG_ENDIAN, REG_LINK, REG_MULTI_SZ, REG_RESOURCE_LIST, REG_QWORD}) {
    SCOPED_TRACE(type);
    sandbox_.Put("Option", "Width", type, eight);
    HBITMAP given = test::MakePatternBitmap(16, 16);
    EXPECT_FALSE(Call(given)) << "a value that cannot be read ends the call";
    EXPECT_TRUE(test::IsBitmap(given));
    DeleteObject(given);
  }
  for (DWORD type : {REG_SZ, REG_EXPAND_SZ}) {
    sandbox_.Put("Option", "Width", type, std::string("250\0", 4));
    EXPECT_TRUE(Call(test::MakePatternBitmap(16, 16)));
  }
  sandbox_.Put("Option", "Width", REG_DWORD, "");  // no data at all reads as empty text
  EXPECT_TRUE(Call(nullptr));
  ExpectNoLeak([&] { Call(nullptr); });
}

TEST_F(BadInputTest, HugeAndUnterminatedTexts) {
  sandbox_.Put("Font\\Weekday", "FontName", REG_SZ, std::string(1 << 20, 'x') + '\0');
  sandbox_.Put("Option", "Height", REG_SZ, std::string(1 << 20, '7') + '\0');
  sandbox_.Put("Font\\Sunday", "FontName", REG_SZ, "Tahoma");
  sandbox_.Put("Option", "Left", REG_SZ, "12");
  EXPECT_TRUE(Call(test::MakePatternBitmap(16, 16)));
  ExpectNoLeak([&] { Call(nullptr); });
}

TEST_F(BadInputTest, NegativeAndHugeCalendarSizes) {
  const char* sizes[][2] = {{"-5", "-5"},
                            {"-2147483648", "200"},
                            {"2147483647", "2147483647"},
                            {"100000000", "100000000"},
                            {"200", "2147483647"}};
  for (const char* left : {"0", "-2147483648", "2147483647", "-1000000"}) {
    for (const auto& [width, height] : sizes) {
      for (const char* todayStyle : {"0", "1"}) {
        SCOPED_TRACE(testing::Message() << left << " " << width << "x" << height << " style " << todayStyle);
        sandbox_.PutText("Option", "Left", left);
        sandbox_.PutText("Option", "Top", left);
        sandbox_.PutText("Option", "Width", width);
        sandbox_.PutText("Option", "Height", height);
        sandbox_.PutText("Option", "TodayStyle", todayStyle);
        EXPECT_TRUE(Call(test::MakePatternBitmap(16, 16)));
      }
    }
  }
  ExpectNoLeak([&] { Call(nullptr); });
}

TEST_F(BadInputTest, FaceNamesOfAnyLength) {
  for (size_t length : {0u, 31u, 32u, 300u}) {
    SCOPED_TRACE(length);
    std::string name;
    while (name.size() < length) name += "\x82\x6C";  // fullwidth M, so some lengths end mid-character
    name.resize(length);
    for (const char* section : {"Font\\Weekday", "Font\\Holiday", "Font\\DayOfWeek"}) {
      sandbox_.PutText(section, "FontName", name);
    }
    EXPECT_TRUE(Call(test::MakePatternBitmap(16, 16)));
  }
  ExpectNoLeak([&] { Call(nullptr); });
}

TEST_F(BadInputTest, ABitmapThatCannotBeMadeAtAnyStepLeavesTheHostItsOwn) {
  sandbox_.PutText("Option", "TodayStyle", "0");  // the transparent mark needs a bitmap of its own
  int step = 0;
  for (;; ++step) {
    FailBitmapCreationForTesting(step);
    HBITMAP given = test::MakePatternBitmap(16, 16);
    const bool composed = Call(given);
    FailBitmapCreationForTesting(std::nullopt);
    if (composed) break;
    EXPECT_TRUE(test::IsBitmap(given));
    DeleteObject(given);
    ASSERT_LT(step, 10);
  }
  EXPECT_EQ(step, 2) << "the picture and today's mask";
  ExpectNoLeak([&] {
    FailBitmapCreationForTesting(1);
    HBITMAP given = test::MakePatternBitmap(16, 16);
    Call(given);
    DeleteObject(given);
    FailBitmapCreationForTesting(std::nullopt);
  });
}

TEST_F(BadInputTest, AStoreThatCannotBeOpenedGivesTheDefaults) {
  sandbox_.PutText("Option", "Width", "50");
  const std::string path = SettingsKeyPath(sandbox_.HostKey());
  FailRegistryKeysForTesting([&](const std::string& opened) { return opened == path; });
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HBITMAP wallpaper = test::MakePatternBitmap(width, height);
  EXPECT_EQ(ExecutePlugIn(nullptr, sandbox_.HostKey().c_str(), &wallpaper), 0);
  const test::Pixels pixels = test::ReadPixels(wallpaper);
  DeleteObject(wallpaper);
  int inkBeyondFifty = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 60; x < 200; ++x) inkBeyondFifty += pixels.at(x, y) != test::PatternColor(x, y);
  }
  EXPECT_GT(inkBeyondFifty, 50) << "the default 200 x 200 calendar, not the stored 50 wide one";
}

}  // namespace
}  // namespace tezun
