// The resident TezunDesk when things happen around it: a close or a second start while the
// settings dialog is open, a shell that refuses the icon, Task Manager's start-up list, the
// user's own wallpaper, a slideshow, a picture gone; and a /once nobody watches.
#include <windows.h>
// after windows.h, which they need
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "desk/desk_error.h"
#include "desk/desk_folder.h"
#include "desk/desk_registry.h"
#include "desk/file_bytes.h"
#include "desk/picture_choice.h"
#include "desk/picture_writer.h"
#include "desk/program_path.h"
#include "desk/resident_menu.h"
#include "desk/single_instance.h"
#include "desk/texts.h"
#include "desk/wallpaper.h"
#include "support/desk_driver.h"
#include "support/dialog_driver.h"

namespace tezun::desk {
namespace {

using test::PumpUntil;
using test::ResidentDesk;

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kWallpapersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Wallpapers";

// A picture of its own, written as TezunDesk writes its output.
std::wstring NewPicture(const std::wstring& path, int width, int height) {
  const Bitmap picture(tezun::test::MakePatternBitmap(width, height));
  WritePicture(picture.get(), path);
  return path;
}

// Runs a program of the build's folder with no standard streams, as a scheduled task does, and
// waits for it; its exit status, or -1 when it did not end in time (it is ended then).
int RunUnattended(const std::wstring& program, const std::wstring& arguments) {
  std::wstring line = L"\"" + test::BesideProgram(program.c_str()) + L"\" " + arguments;
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;  // and each of them none
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process)) return -2;
  const KernelHandle owner(process.hProcess), thread(process.hThread);
  DWORD status = 0;
  if (!PumpUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; })) {
    TerminateProcess(process.hProcess, 99);
    return -1;
  }
  GetExitCodeProcess(process.hProcess, &status);
  return static_cast<int>(status);
}

TEST_F(ResidentDesk, WhatComesWhileTheSettingsDialogIsOpenWaitsForIt) {
  struct Case {
    const char* what = "";
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool closes = false;
  };
  const Case cases[] = {
      {"a second start", ComposeNowMessage(), 0, 0, false},
      {"the menu", kTrayMessage, 0, WM_RBUTTONUP, false},  // not there while a dialog is open
      {"WM_CLOSE", WM_CLOSE, 0, 0, true},
      {"終了", WM_COMMAND, kExit, 0, true},
      {"the end of the session", WM_ENDSESSION, TRUE, 0, true},
      {"元の壁紙に戻す", WM_COMMAND, kRestore, 0, true},
  };
  for (const Case& c : cases) {
    if (!*window_) window_ = std::make_unique<ResidentWindow>(GetModuleHandleW(nullptr));
    const HWND resident = window_->handle();
    const unsigned before = window_->compositions();
    bool meanwhile = false;
    std::thread user([&] {
      const HWND dialog = tezun::test::WaitForTopWindow("TezunSetting");
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(resident, c.message, c.wParam, c.lParam, SMTO_NORMAL, 5000, &ignored);
      const bool menu = tezun::test::FindTopWindow("#32768") != nullptr;
      meanwhile = IsWindow(resident) && !menu;
      if (menu) PostMessageW(resident, WM_CANCELMODE, 0, 0);
      PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    SendMessageW(resident, WM_COMMAND, kSettings, 0);
    user.join();
    EXPECT_TRUE(meanwhile) << c.what << ": the window stays, with no menu, while the dialog is open";
    EXPECT_EQ(IsWindow(resident) == FALSE, c.closes) << c.what;
    // Closing, nothing is composed over the wallpaper put back; else the dialog's close composes.
    EXPECT_EQ(window_->compositions(), before + (c.closes ? 0 : 1)) << c.what;
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
}

BOOL WINAPI RefusingNotify(DWORD message, PNOTIFYICONDATAW data);
bool refusing = true;
BOOL WINAPI RefusingNotify(DWORD message, PNOTIFYICONDATAW data) {
  return message == NIM_ADD && refusing ? FALSE : Shell_NotifyIconW(message, data);
}

TEST(ResidentShell, TheIconIsAddedOnceTheShellTakesIt) {
  const ComApartment com;
  ReplaceNotifyForTesting(RefusingNotify);
  refusing = true;
  const ResidentWindow window(GetModuleHandleW(nullptr));
  EXPECT_FALSE(window.tray().shown());
  SendMessageW(window.handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_FALSE(window.tray().shown()) << "refused again";
  refusing = false;
  EXPECT_TRUE(PumpUntil([&] { return window.tray().shown(); })) << "tried again a few seconds later";
  EXPECT_TRUE(test::IconIsShown(window.handle()));
  ReplaceNotifyForTesting(nullptr);
}

TEST_F(ResidentDesk, TickingAutostartOverridesWhatTaskManagerDisabled) {
  const BYTE disabled[12] = {3, 0, 0, 0, 0x10, 0x52, 0x9e, 0x4d, 0x7a, 0x6b, 0xdb, 0x01};
  ASSERT_TRUE(WriteUserText(kRunKey, L"TezunDesk", L"\"" + ProgramPath() + L"\""));
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TezunDesk", REG_BINARY, disabled, sizeof disabled);
  EXPECT_FALSE(AutostartIsOn()) << "disabled in Task Manager: the menu shows it unticked";
  SendMessageW(window_->handle(), WM_COMMAND, kAutostart, 0);
  EXPECT_TRUE(AutostartIsOn());
  EXPECT_FALSE(ReadUserBytes(kApprovedKey, L"TezunDesk")) << "the mark of disabled is gone";
  SendMessageW(window_->handle(), WM_COMMAND, kAutostart, 0);
  EXPECT_FALSE(ReadUserText(kRunKey, L"TezunDesk"));
}

TEST_F(ResidentDesk, AdoptsTheWallpaperAnotherProgramSets) {
  const std::wstring chosen = NewPicture(test::ScratchFolder() + L"\\選んだ壁紙.bmp", 640, 400);
  const unsigned before = window_->compositions();
  EXPECT_EQ(RunUnattended(L"set_wallpaper.exe", L"\"" + chosen + L"\""), 0);
  EXPECT_TRUE(PumpUntil([&] { return window_->compositions() > before; })) << "within a few seconds";
  EXPECT_EQ(ReadDeskValue(kPictureValue), chosen);
  EXPECT_TRUE(IsOwnOutput(CurrentWallpaper(), DeskFolder())) << "decorated";
  EXPECT_EQ(ReadWholeFile(*ReadDeskValue(kKeptPictureValue)), ReadWholeFile(chosen)) << "a copy is kept";
  // From now on it is the picture: compositions do not bring back the old one.
  ASSERT_TRUE(Composes(ComposeNowMessage(), 0, 0));
  EXPECT_EQ(ReadDeskValue(kPictureValue), chosen);
}

TEST_F(ResidentDesk, ComposesNothingWhileASlideshowIsOn) {
  const DWORD slideshow = 2, picture = 0;
  RegSetKeyValueW(HKEY_CURRENT_USER, kWallpapersKey, L"BackgroundType", REG_DWORD, &slideshow, sizeof slideshow);
  const std::wstring shown = CurrentWallpaper();
  const unsigned before = window_->compositions();
  SendMessageW(window_->handle(), ComposeNowMessage(), 0, 0);
  EXPECT_EQ(window_->compositions(), before);
  EXPECT_EQ(CurrentWallpaper(), shown);
  EXPECT_NE(window_->tray().status().find(Wide(kPaused)), std::wstring::npos) << "the tip says it is paused";
  RegSetKeyValueW(HKEY_CURRENT_USER, kWallpapersKey, L"BackgroundType", REG_DWORD, &picture, sizeof picture);
  window_->Handle(DeskEvent::MinuteCheck);
  EXPECT_EQ(window_->compositions(), before + 1) << "the minute's check after the slideshow ended";
  EXPECT_EQ(window_->tray().status(), L"");
}

TEST_F(ResidentDesk, TheKeptCopyStandsInForAPictureGone) {
  const std::wstring original = NewPicture(test::ScratchFolder() + L"\\写真.bmp", 640, 400);
  Composition::ChoosePicture(original);
  ASSERT_TRUE(Composes(ComposeNowMessage(), 0, 0));
  const tezun::test::Pixels decorated = test::FilePixels(CurrentWallpaper());
  ASSERT_TRUE(DeleteFileW(original.c_str()));
  ASSERT_TRUE(Composes(ComposeNowMessage(), 0, 0)) << "from the copy";
  EXPECT_EQ(test::FilePixels(CurrentWallpaper()), decorated);

  // Neither the picture nor its copy: the wallpaper stays, and the minute's check tries again.
  ASSERT_TRUE(DeleteFileW(ReadDeskValue(kKeptPictureValue)->c_str()));
  const std::wstring shown = CurrentWallpaper();
  EXPECT_FALSE(Composes(ComposeNowMessage(), 0, 0, 0));
  EXPECT_EQ(CurrentWallpaper(), shown);
  EXPECT_NE(window_->tray().status(), L"") << "the tip says why";
  NewPicture(original, 640, 400);
  window_->Handle(DeskEvent::MinuteCheck);
  EXPECT_NE(CurrentWallpaper(), shown) << "a failure is not the day's composition";
}

TEST(DeskProgram, AFailingOnceWithoutAnErrorStreamEndsAtOnceWithALogLine) {
  const ComApartment com;
  const std::wstring gone = test::ScratchFolder() + L"\\消えた.png";
  ASSERT_TRUE(WriteDeskValue(kPictureValue, gone));
  EXPECT_EQ(RunUnattended(L"TezunDesk.exe", L"/once"), kExitUnreadable) << "no message box waits for anyone";
  const std::vector<uint8_t> log = ReadWholeFile(DeskFolder() + L"\\TezunDesk.log");
  const std::string text(log.begin(), log.end());
  const std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
  EXPECT_NE(last.find(" /once: "), std::string::npos) << last;
  EXPECT_NE(last.find("\xE6\xB6\x88\xE3\x81\x88\xE3\x81\x9F.png"), std::string::npos) << "names the file: " << last;
  WriteDeskValue(kPictureValue, test::Sample(L"evening.png"));
}

}  // namespace
}  // namespace tezun::desk
