// Every monitor: the pictures of the monitors besides the primary against the plug-in's own, the
// shell's per-monitor way through a stand-in for it, and the plug-in's dialog on a scaled screen.
#include <windows.h>
// after windows.h, which they need
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "desk/composition.h"
#include "desk/desk_error.h"
#include "desk/desk_registry.h"
#include "desk/monitor_picture.h"
#include "desk/picture_reader.h"
#include "desk/plugin_host.h"
#include "desk/plugin_settings_snapshot.h"
#include "desk/wallpaper.h"
#include "desk/wallpaper_memory.h"
#include "support/desk_driver.h"
#include "support/dialog_driver.h"
#include "support/registry_sandbox.h"

namespace tezun::desk {
namespace {

using Shell = test::StandInShell;

// Another monitor shows the picture laid as ExecutePlugIn lays it at that size with its calendar's
// rectangle empty: the plug-in's picture at the display's size, from a key whose calendar is -1
// pixels wide and high, which draws nothing.
TEST(DeskMonitors, AnotherMonitorsPictureIsThePlugInsWithoutItsCalendar) {
  const Module plugin(LoadLibraryW(test::BesideProgram(L"Tezun.bpi").c_str()));
  ASSERT_TRUE(plugin);
  using Execute = int32_t(__stdcall*)(HWND, const char*, HBITMAP*);
  const auto execute =
      reinterpret_cast<Execute>(reinterpret_cast<void*>(GetProcAddress(plugin.get(), "ExecutePlugIn")));
  const tezun::test::RegistrySandbox sandbox;
  sandbox.PutText("Option", "Width", "-1");
  sandbox.PutText("Option", "Height", "-1");
  const DeskSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  struct Case {
    int width = 0, height = 0;
    int32_t style1 = 0, style2 = 0;
  };
  const Case cases[] = {
      {300, 200, 0, 0}, {300, 200, 1, 0}, {300, 200, 1, 1}, {1027, 777, 0, 0}, {1027, 777, 5, 0}, {7, 5, -1, 1},
  };
  for (const Case& c : cases) {
    sandbox.PutText("Option", "Style1", std::to_string(c.style1));
    sandbox.PutText("Option", "Style2", std::to_string(c.style2));
    const Bitmap ours(tezun::test::MakePatternBitmap(c.width, c.height, 32));
    HBITMAP theirs = tezun::test::MakePatternBitmap(c.width, c.height, 32);
    execute(nullptr, sandbox.HostKey().c_str(), &theirs);
    const Bitmap laid =
        MonitorPicture(ours.get(), screen,
                       LayPicture(screen.width, screen.height, c.width, c.height, c.style1, c.style2), DesktopColour());
    EXPECT_EQ(tezun::test::ReadPixels(laid.get()), tezun::test::ReadPixels(theirs))
        << c.width << " x " << c.height << ", styles " << c.style1 << " " << c.style2;
    DeleteObject(theirs);
  }
}

// The file of each part of a call the stand-in logged: "SetWallpaper", the monitor, the file.
std::wstring FileOf(const std::wstring& call) { return call.substr(call.find(L'\t', 13) + 1); }

TEST(DeskMonitors, EachMonitorItsOwnFileThroughTheShell) {
  const ComApartment com;
  const Shell shell(test::ScratchFolder() + L"\\shell.log");
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const std::wstring primary = L"A,0,0," + std::to_wstring(width) + L"," + std::to_wstring(height);
  const std::wstring both = primary + L";B," + std::to_wstring(width) + L",0," + std::to_wstring(width + 800) + L",600";
  Shell::Set(L"Monitors", both);
  Shell::Show(L"A", L"C:\\before-a.bmp");
  Shell::Show(L"B", L"C:\\before-b.bmp");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TezunDesk");  // nothing covered yet
  WriteDeskValue(kPictureValue, test::Sample(L"evening.png"));
  Composition composition(nullptr);
  composition.ComposeAndSet(Composition::Look());

  const std::vector<std::wstring> calls = shell.Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], L"SetPosition\t0") << "centred: each file shows pixel for pixel";
  ASSERT_EQ(calls[1].rfind(L"SetWallpaper\tA\t", 0), 0u) << "the primary first";
  ASSERT_EQ(calls[2].rfind(L"SetWallpaper\tB\t", 0), 0u);
  const Bitmap picture = ReadPicture(test::Sample(L"evening.png"));
  const Bitmap plugins = PluginHost(PluginBesideProgram()).Execute(nullptr, CopyOfPicture(picture.get()).release());
  EXPECT_EQ(test::FilePixels(FileOf(calls[1])), tezun::test::ReadPixels(plugins.get()));
  const DeskSize picked = SizeOf(picture.get());
  const PluginStyles styles = StoredPluginStyles();
  const Bitmap alone =
      MonitorPicture(picture.get(), {800, 600},
                     LayPicture(800, 600, picked.width, picked.height, styles.style1, styles.style2), DesktopColour());
  EXPECT_EQ(test::FilePixels(FileOf(calls[2])), tezun::test::ReadPixels(alone.get()));
  EXPECT_EQ(ReadDeskValue(L"A", kRememberedMonitorsSection), L"C:\\before-a.bmp");
  EXPECT_EQ(ReadDeskValue(L"B", kRememberedMonitorsSection), L"C:\\before-b.bmp");

  // A monitor the shell refuses: every monitor as it was, and the files with it.
  Shell::Set(L"Refuse", L"B");
  try {
    composition.ComposeAndSet(Composition::Look());
    ADD_FAILURE() << "a refused monitor was taken for done";
  } catch (const DeskError& error) {
    EXPECT_EQ(error.exit, kExitUnwritable);
  }
  EXPECT_EQ(Shell::Shown(L"A"), FileOf(calls[1]));
  EXPECT_EQ(Shell::Shown(L"B"), FileOf(calls[2]));
  Shell::Set(L"Refuse", L"");

  // A slideshow the shell reports; a monitor whose id is gone is forgotten.
  Shell::Set(L"Slideshow", L"1");
  EXPECT_EQ(Composition::Look().what, Seen::Slideshow);
  Shell::Set(L"Slideshow", L"0");
  Shell::Set(L"Monitors", primary);
  composition.ComposeAndSet(Composition::Look());
  EXPECT_FALSE(ReadDeskValue(L"B", kRememberedMonitorsSection));

  // Put back: the monitor's own wallpaper and the position it had.
  Shell::Set(L"Monitors", both);
  RestoreRememberedWallpaper();
  const std::vector<std::wstring> restored = shell.Calls();
  EXPECT_EQ(restored[restored.size() - 2], L"SetPosition\t4");
  EXPECT_EQ(restored.back(), L"SetWallpaper\tA\tC:\\before-a.bmp");
}

// On a screen at 144 dots per inch (scaled_screen_test.sh): the plug-in's dialog is made aware of
// the system's density alone, as the hosts it was made for are, so that Windows scales it on a
// monitor of another; the wallpaper still has the primary's physical pixels.
TEST(DeskDpi, TheDialogIsSystemAwareAndThePictureHasThePhysicalPixels) {
  using GetWindowContext = HANDLE(WINAPI*)(HWND);
  using AwarenessOf = int(WINAPI*)(HANDLE);
  const HMODULE windows = GetModuleHandleW(L"user32.dll");
  const auto windowContext = reinterpret_cast<GetWindowContext>(
      reinterpret_cast<void*>(GetProcAddress(windows, "GetWindowDpiAwarenessContext")));
  const auto awarenessOf = reinterpret_cast<AwarenessOf>(
      reinterpret_cast<void*>(GetProcAddress(windows, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(windowContext && awarenessOf);
  const PluginHost plugin(PluginBesideProgram());
  int dialogAwareness = -1;
  std::thread user([&] {
    const HWND dialog = tezun::test::WaitForTopWindow("TezunSetting");
    if (dialog) dialogAwareness = awarenessOf(windowContext(dialog));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  plugin.Settings(nullptr, nullptr);
  user.join();
  EXPECT_EQ(dialogAwareness, 1) << "DPI_AWARENESS_SYSTEM_AWARE";
  const Bitmap composed = plugin.Execute(nullptr, nullptr);
  EXPECT_EQ(SizeOf(composed.get()), (DeskSize{1920, 1080}));
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 144);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace tezun::desk
