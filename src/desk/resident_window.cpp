#include "resident_window.h"

// after windows.h, which it needs
#include <wtsapi32.h>

#include "desk_error.h"
#include "desk_folder.h"
#include "desk_registry.h"
#include "plugin_events.h"
#include "resident_menu.h"
#include "single_instance.h"
#include "texts.h"
#include "wallpaper_memory.h"

namespace tezun::desk {
namespace {

enum Timer : UINT_PTR { kMidnightTimer = 1, kMinuteTimer, kGatherTimer, kIconTimer, kFetchTimer };

// The subscriptions are fetched again this often.
constexpr UINT kFetchMilliseconds = 30 * 60 * 1000;

constexpr int kIconResource = 1;

Icon ClassIcon(HINSTANCE instance) {
  return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

}  // namespace

ResidentWindow::ResidentWindow(HINSTANCE instance) : icon_(ClassIcon(instance)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kResidentClass;
  windowClass.hIcon = icon_.get();
  RegisterClassExW(&windowClass);  // a second window in the same process finds it registered
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kResidentClass, Wide(kTitle).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, this);
  if (!window_) return;
  // Started elevated, it still hears the shell and a second start, which run unelevated.
  for (const UINT message : {taskbarCreated_, ComposeNowMessage(), UINT{WM_CLOSE}}) {
    ChangeWindowMessageFilterEx(window_, message, MSGFLT_ALLOW, nullptr);
  }
  composition_ = std::make_unique<Composition>(window_);
  fetcher_ = std::make_unique<CalendarFetcher>(window_, kFetchedMessage);
  tray_ = std::make_unique<TrayIcon>(window_, instance);
  if (!tray_->shown()) RetryIcon();
  WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION);
  SetTimer(window_, kMinuteTimer, static_cast<UINT>(kMinuteCheckMilliseconds), nullptr);
  SetTimer(window_, kFetchTimer, kFetchMilliseconds, nullptr);
  ArmMidnight();
  Handle(DeskEvent::Started);
  FetchSubscriptions(false);
}

ResidentWindow::~ResidentWindow() {
  if (window_) DestroyWindow(window_);
}

void ResidentWindow::ArmMidnight() {
  if (window_) SetTimer(window_, kMidnightTimer, static_cast<UINT>(MillisecondsUntilMidnight(Now())), nullptr);
}

void ResidentWindow::RetryIcon() {
  iconTries_ = 0;
  SetTimer(window_, kIconTimer, static_cast<UINT>(kIconRetryMilliseconds), nullptr);
}

void ResidentWindow::Soon(DeskEvent event) {
  if (!window_) return;
  if (!gathered_) SetTimer(window_, kGatherTimer, static_cast<UINT>(kGatherMilliseconds), nullptr);
  gathered_ = Gathered(gathered_, event);
}

void ResidentWindow::Handle(DeskEvent event, bool asked) {
  if (!window_ || !composition_ || leaving_ != Leaving::No) return;
  if (busy_ > 0) {
    deferred_ = Gathered(deferred_, event);
    return;
  }
  {
    const Busy busy(busy_);
    try {
      const WallpaperSeen seen = Composition::Look();
      const EventFilesSeen files = LookAtEventFiles();
      Follow(files.folders);
      const bool eventsChanged = !composedStamps_ || EventFilesChanged(*composedStamps_, files.stamps);
      ++handled_;
      switch (NextStep(event, seen.what, composedFor_, paused_, Today(), eventsChanged)) {
        case DeskStep::Nothing:
          break;
        case DeskStep::Pause:
          Pause(asked);
          break;
        case DeskStep::Compose:
        case DeskStep::Adopt:
          composedFor_ = composition_->ComposeAndSet(seen);
          composedStamps_ = files.stamps;
          paused_ = false;
          ++compositions_;
          notice_.Succeeded();
          status_.clear();
          ShowStatus();
          break;
      }
    } catch (const DeskError& error) {
      // Not counted as the day's composition: the minute's check tries again.
      composedFor_.reset();
      Tell(error, asked);
    }
  }
  AfterModal();
}

void ResidentWindow::Pause(bool asked) {
  const std::wstring why = Wide(kSlideshowOn);
  const bool news = !paused_;
  paused_ = true;
  status_ = Wide(kPaused) + L": " + why;
  ShowStatus();
  if (asked) {
    MessageBoxW(window_, why.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONINFORMATION);
  } else if (news) {
    tray_->Balloon(why);
  }
}

void ResidentWindow::Tell(const DeskError& error, bool asked) {
  status_ = error.message;
  ShowStatus();
  if (asked) {
    WriteLog(L"(resident)", error.message);
    MessageBoxW(window_, error.message.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONWARNING);
  } else if (notice_.Failed(error.message)) {
    WriteLog(L"(resident)", error.message);
    tray_->Balloon(error.message);
  }
}

void ResidentWindow::Leave(Leaving how) {
  if (how > leaving_) leaving_ = how;
  AfterModal();
}

void ResidentWindow::AfterModal() {
  if (busy_ > 0 || !window_) return;
  if (leaving_ == Leaving::RestoreAndClose) {
    const Busy busy(busy_);
    try {
      RestoreRememberedWallpaper();
      SetAutostart(false);  // nothing is to cover the wallpaper put back at the next log-on
    } catch (const DeskError& error) {
      leaving_ = Leaving::No;  // nothing changed: TezunDesk stays, and says why
      Tell(error, true);
      return;
    }
  }
  if (leaving_ != Leaving::No) {
    DestroyWindow(window_);
    return;
  }
  if (deferred_) {
    const DeskEvent event = *deferred_;
    deferred_.reset();
    Soon(event);
  }
}

void ResidentWindow::RunSettings() {
  {
    const Busy busy(busy_);
    try {
      composition_->RunSettings();
    } catch (const DeskError& error) {
      Tell(error, true);
    }
  }
  deferred_.reset();  // the composition after the dialog does what was asked meanwhile
  Handle(DeskEvent::SettingsClosed, true);
}

void ResidentWindow::ChoosePicture() {
  bool chosen = false;
  {
    const Busy busy(busy_);
    if (const std::wstring path = AskForPicture(window_); !path.empty()) {
      try {
        Composition::ChoosePicture(path);
        chosen = true;
      } catch (const DeskError& error) {
        Tell(error, true);
      }
    }
  }
  if (chosen) Handle(DeskEvent::RefreshAsked, true);
}

void ResidentWindow::OnCommand(UINT command) {
  // Ending is carried out once the dialog open now has closed. Nothing else starts once a close
  // is waiting, nor while a dialog is open: the menu is not there meanwhile.
  if (command == kRestore || command == kExit) {
    Leave(command == kRestore ? Leaving::RestoreAndClose : Leaving::Close);
    return;
  }
  if (leaving_ != Leaving::No || busy_ > 0) return;
  switch (command) {
    case kRefresh:
      Handle(DeskEvent::RefreshAsked, true);
      FetchSubscriptions(true);
      break;
    case kSubscribe:
      ChangeSubscriptions();
      break;
    case kSettings:
      RunSettings();
      break;
    case kPicture:
      ChoosePicture();
      break;
    case kAutostart: {
      const Busy busy(busy_);
      if (!SetAutostart(!AutostartIsOn())) Tell(DeskError{kExitUnwritable, Wide(kCannotWrite) + L"Run"}, true);
      break;
    }
  }
  AfterModal();
}

void ResidentWindow::OnTimer(UINT_PTR timer) {
  // Those three repeat.
  if (timer != kMinuteTimer && timer != kIconTimer && timer != kFetchTimer) KillTimer(window_, timer);
  switch (timer) {
    case kMinuteTimer:
      Handle(DeskEvent::MinuteCheck);
      break;
    case kMidnightTimer:
      Handle(DeskEvent::Midnight);
      ArmMidnight();
      break;
    case kGatherTimer:
      if (gathered_) {
        const DeskEvent event = *gathered_;
        gathered_.reset();
        Handle(event);
      }
      break;
    case kIconTimer:
      if (tray_->Show() || ++iconTries_ >= kIconRetries) KillTimer(window_, kIconTimer);
      break;
    case kFetchTimer:
      FetchSubscriptions(false);
      break;
  }
}

LRESULT ResidentWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kTrayMessage:
      if ((lParam == WM_RBUTTONUP || lParam == WM_CONTEXTMENU) && busy_ == 0 && leaving_ == Leaving::No) {
        UINT command = 0;
        {
          const Busy busy(busy_);
          command = PickFromMenu(window_, AutostartIsOn());
        }
        OnCommand(command);
      }
      if (lParam == WM_LBUTTONDBLCLK) {
        Handle(DeskEvent::RefreshAsked, true);
        FetchSubscriptions(true);
      }
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case kFetchedMessage:
      OnFetched();
      return 0;
    case kEventsMessage:
      if (watch_) watch_->Heard();
      Soon(DeskEvent::EventsChanged);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_TIMECHANGE:
      ArmMidnight();
      Soon(DeskEvent::TimeChanged);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        ArmMidnight();
        Soon(DeskEvent::Resumed);
      }
      return TRUE;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      Soon(DeskEvent::DisplayChanged);  // a monitor added, removed, moved or scaled
      return 0;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_UNLOCK) Soon(DeskEvent::SessionUnlocked);
      return 0;
    case WM_SYSCOLORCHANGE:
      Soon(DeskEvent::ColourChanged);
      return 0;
    case WM_SETTINGCHANGE:
      // A wallpaper set (ours, or the user's new choice), or the desktop colour set through the
      // registry and announced as a setting change.
      if (wParam == SPI_SETDESKWALLPAPER) Soon(DeskEvent::WallpaperChanged);
      if (wParam == 0 && lParam && lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"Colors") == 0) {
        Soon(DeskEvent::ColourChanged);
      }
      return 0;
    case WM_CLOSE:
      Leave(Leaving::Close);
      return 0;
    case WM_ENDSESSION:
      if (wParam) Leave(Leaving::Close);
      return 0;
    case WM_DESTROY:
      for (const UINT_PTR timer : {kMidnightTimer, kMinuteTimer, kGatherTimer, kIconTimer, kFetchTimer}) {
        KillTimer(window_, timer);
      }
      WTSUnRegisterSessionNotification(window_);
      fetcher_.reset();  // a fetch that runs stops
      watch_.reset();
      tray_.reset();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      return 0;
  }
  if (message == taskbarCreated_ && tray_) {
    if (!tray_->Show()) RetryIcon();
    return 0;
  }
  if (message == ComposeNowMessage()) {
    Handle(DeskEvent::RefreshAsked);
    FetchSubscriptions(false);  // a second start's /subscribe among what it may ask for
    return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK ResidentWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<ResidentWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ResidentWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || !self->window_) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace tezun::desk
