// The resident TezunDesk: a hidden top-level window (broadcasts such as WM_TIMECHANGE never
// reach a message-only one), its icon and menu in the notification area, and the timers that keep
// today's calendar on the wallpaper.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "composition.h"
#include "desk_error.h"
#include "failure_notice.h"
#include "handles.h"
#include "schedule.h"
#include "tray_icon.h"

namespace tezun::desk {

class ResidentWindow {
 public:
  explicit ResidentWindow(HINSTANCE instance);
  ResidentWindow(const ResidentWindow&) = delete;
  ResidentWindow& operator=(const ResidentWindow&) = delete;
  ~ResidentWindow();

  HWND handle() const { return window_; }
  // Whether the window came up; when not, there is nothing to run.
  explicit operator bool() const { return window_ != nullptr; }
  // How many compositions succeeded, and the icon: for the tests that watch them.
  unsigned compositions() const { return compositions_; }
  const TrayIcon& tray() const { return *tray_; }

  // What the event makes of the wallpaper; `asked` when a person asked for it (failures are then
  // said in a message box, not in a balloon).
  void Handle(DeskEvent event, bool asked = false);

 private:
  // What the user asked to end with, carried out once nothing modal runs on the window.
  enum class Leaving { No, Close, RestoreAndClose };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR timer);
  void OnCommand(UINT command);
  void RunSettings();
  void ChoosePicture();
  void Soon(DeskEvent event);
  void ArmMidnight();
  void RetryIcon();
  void Pause(bool asked);
  void Tell(const DeskError& error, bool asked);
  void Leave(Leaving how);
  void AfterModal();

  HWND window_ = nullptr;
  Icon icon_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<Composition> composition_;
  FailureNotice notice_;
  std::optional<LocalDate> composedFor_;
  std::optional<DeskEvent> gathered_;
  std::optional<DeskEvent> deferred_;  // what came while something modal ran
  int busy_ = 0;                       // a composition, a dialog, a menu or a message box runs
  bool paused_ = false;
  Leaving leaving_ = Leaving::No;
  unsigned compositions_ = 0;
  unsigned iconTries_ = 0;
  UINT taskbarCreated_ = 0;
};

// The messages of the resident window until it is destroyed; the exit status.
int RunMessageLoop();

}  // namespace tezun::desk
