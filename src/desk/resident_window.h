// The resident TezunDesk: a hidden top-level window (broadcasts such as WM_TIMECHANGE never
// reach a message-only one), its icon and menu in the notification area, and the timers that keep
// today's calendar on the wallpaper.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar_fetcher.h"
#include "composition.h"
#include "desk_error.h"
#include "event_files.h"
#include "failure_notice.h"
#include "folder_watch.h"
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
  // How many events it has handled, how many compositions succeeded, how many rounds of fetches it
  // has taken in, and the icon: for the tests that watch them.
  unsigned handled() const { return handled_; }
  unsigned compositions() const { return compositions_; }
  unsigned fetches() const { return fetches_; }
  const TrayIcon& tray() const { return *tray_; }

  // What the event makes of the wallpaper; `asked` when a person asked for it (failures are then
  // said in a message box, not in a balloon).
  void Handle(DeskEvent event, bool asked = false);
  // Fetches the subscriptions in the background; the wallpaper is composed again when one changed.
  void FetchSubscriptions(bool asked);

 private:
  // What the user asked to end with, carried out once nothing modal runs on the window.
  enum class Leaving { No, Close, RestoreAndClose };

  // Counts something modal (a composition, a dialog, a menu, a message box) while it runs: the
  // window is not destroyed under it, and what arrives meanwhile waits for it to end.
  class Busy {
   public:
    explicit Busy(int& count) : count_(count) { ++count_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    ~Busy() { --count_; }

   private:
    int& count_;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR timer);
  void OnCommand(UINT command);
  void RunSettings();
  void ChoosePicture();
  void ChangeSubscriptions();
  void OnFetched();
  void Follow(const std::vector<std::wstring>& folders);
  void ShowStatus();
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
  std::unique_ptr<CalendarFetcher> fetcher_;
  std::unique_ptr<FolderWatch> watch_;
  FailureNotice notice_;
  FailureNotice fetchNotice_;
  std::wstring status_;                                   // what the tip says of the compositions: a failure, a pause
  std::wstring fetchStatus_;                              // and of the subscriptions: a fetch that failed
  std::optional<std::vector<FileStamp>> composedStamps_;  // the events' files the wallpaper shows
  std::optional<LocalDate> composedFor_;
  std::optional<DeskEvent> gathered_;
  std::optional<DeskEvent> deferred_;  // what came while something modal ran
  int busy_ = 0;                       // a composition, a dialog, a menu or a message box runs
  bool paused_ = false;
  Leaving leaving_ = Leaving::No;
  unsigned handled_ = 0;
  unsigned compositions_ = 0;
  unsigned fetches_ = 0;
  unsigned iconTries_ = 0;
  UINT taskbarCreated_ = 0;
};

// The messages the resident window's helpers post to it: a round of fetches ended, a folder of the
// events changed.
constexpr UINT kFetchedMessage = WM_APP + 2;
constexpr UINT kEventsMessage = WM_APP + 3;

// The messages of the resident window until it is destroyed; the exit status.
int RunMessageLoop();

}  // namespace tezun::desk
