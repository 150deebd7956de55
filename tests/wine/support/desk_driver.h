// What the tests of TezunDesk's edge share: messages pumped until a condition holds, the samples'
// folder, the files and pictures TezunDesk writes, the stand-in for the shell's per-monitor
// wallpaper.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "desk/handles.h"
#include "desk/resident_window.h"
#include "support/pixels.h"

namespace tezun::desk::test {

// Generous: the 32-bit suite may run under CPU emulation.
constexpr DWORD kPatience = 60 * 1000;

// Messages of this thread until `done` says so or patience runs out; whether it did.
template <class Done>
bool PumpUntil(Done done, DWORD patience = kPatience) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > patience) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return true;
}

// Whether the shell shows the resident window's icon.
bool IconIsShown(HWND window);

// A resident TezunDesk in this process, started on the sample evening.png as the picture to
// decorate; it has composed once when the test begins.
class ResidentDesk : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { window_.reset(); }

  // The event's message reaches the window as Windows delivers it; true when it composed.
  bool Composes(UINT message, WPARAM wParam, LPARAM lParam, DWORD patience = kPatience);

  ComApartment com_;
  std::unique_ptr<ResidentWindow> window_;
};

// A file of the samples' folder the test run names (TEZUN_SAMPLES_DIR), as a Windows path.
std::wstring Sample(const wchar_t* name);
// A file of this program's own folder (the build's bin).
std::wstring BesideProgram(const wchar_t* name);
// A fresh folder of the test's own below the temporary folder.
std::wstring ScratchFolder();

// The pixels of a picture file TezunDesk wrote (or any other it reads).
tezun::test::Pixels FilePixels(const std::wstring& path);

// The stand-in for the shell's IDesktopWallpaper, registered in the prefix as the shell's class
// while the object lives, with its log in `log`; its settings are the values of its key.
class StandInShell {
 public:
  explicit StandInShell(std::wstring log);
  StandInShell(const StandInShell&) = delete;
  StandInShell& operator=(const StandInShell&) = delete;
  ~StandInShell();
  static void Set(const wchar_t* name, const std::wstring& text);
  // What the stand-in says a monitor shows.
  static void Show(const wchar_t* monitor, const std::wstring& path);
  static std::wstring Shown(const wchar_t* monitor);
  // The log's lines, as the stand-in wrote them.
  std::vector<std::wstring> Calls() const;

 private:
  std::wstring log_;
};

}  // namespace tezun::desk::test
