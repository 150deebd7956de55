#include "resident_window.h"

// after windows.h, which they need
#include <commdlg.h>
#include <wtsapi32.h>

#include <vector>

#include "desk_error.h"
#include "desk_registry.h"
#include "single_instance.h"
#include "texts.h"
#include "wallpaper_memory.h"

namespace tezun::desk {
namespace {

enum Timer : UINT_PTR { kMidnightTimer = 1, kMinuteTimer, kGatherTimer };
enum Command : UINT { kRefresh = 100, kSettings, kPicture, kAutostart, kRestore, kExit };

// The icon's menu, top to bottom; 0 is a separator.
struct MenuItem {
  UINT command;
  const char* text;
};
constexpr MenuItem kMenu[] = {
    {kRefresh, kMenuRefresh},     {kSettings, kMenuSettings},
    {kPicture, kMenuPicture},     {0, nullptr},
    {kAutostart, kMenuAutostart}, {0, nullptr},
    {kRestore, kMenuRestore},     {kExit, kMenuExit},
};

constexpr int kIconResource = 1;

Icon SmallIcon(HINSTANCE instance) {
  return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

// The picture the user picks in the open dialog; empty when cancelled.
std::wstring AskForPicture(HWND owner) {
  // The filter's pairs end in NUL each: Wide() stops at the first, so convert part by part.
  std::wstring pairs;
  for (const char* part = kPictureFilter; *part; part += std::char_traits<char>::length(part) + 1) {
    pairs += Wide(part);
    pairs.push_back(L'\0');
  }
  pairs.push_back(L'\0');
  std::vector<wchar_t> path(32768, L'\0');
  const std::wstring title = Wide(kMenuPicture);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameW(&dialog) ? std::wstring(path.data()) : L"";
}

}  // namespace

ResidentWindow::ResidentWindow(HINSTANCE instance) : icon_(SmallIcon(instance)) {
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
  composition_ = std::make_unique<Composition>(window_);
  tray_ = std::make_unique<TrayIcon>(window_, icon_.get());
  WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION);
  SetTimer(window_, kMinuteTimer, static_cast<UINT>(kMinuteCheckMilliseconds), nullptr);
  ArmMidnight();
  Handle(DeskEvent::Started);
}

ResidentWindow::~ResidentWindow() {
  if (window_) DestroyWindow(window_);
}

void ResidentWindow::ArmMidnight() {
  SetTimer(window_, kMidnightTimer, static_cast<UINT>(MillisecondsUntilMidnight(Now())), nullptr);
}

void ResidentWindow::Soon(DeskEvent event) {
  if (!gathered_) SetTimer(window_, kGatherTimer, static_cast<UINT>(kGatherMilliseconds), nullptr);
  gathered_ = event;
}

void ResidentWindow::Handle(DeskEvent event, bool asked) {
  // Setting the wallpaper broadcasts messages that come back here while it is being set.
  if (composing_ || !composition_) return;
  const LocalDate today = Today();
  if (!ComposesOn(event, composedFor_, today)) return;
  composing_ = true;
  try {
    composedFor_ = composition_->ComposeAndSet();
    ++compositions_;
    notice_.Succeeded();
    tray_->SetFailure(L"");
  } catch (const DeskError& error) {
    // The clock's checks try again on the next date, not every minute; anything else tries again.
    composedFor_ = today;
    Tell(error, asked);
  }
  composing_ = false;
}

void ResidentWindow::Tell(const DeskError& error, bool asked) {
  tray_->SetFailure(error.message);
  if (asked) {
    MessageBoxW(window_, error.message.c_str(), Wide(kTitle).c_str(), MB_OK | MB_ICONWARNING);
  } else if (notice_.Failed(error.message)) {
    tray_->Balloon(error.message);
  }
}

void ResidentWindow::ShowMenu() {
  const Menu menu(CreatePopupMenu());
  if (!menu) return;
  for (const MenuItem& item : kMenu) {
    if (!item.text) {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const bool checked = item.command == kAutostart && AutostartIsOn();
    AppendMenuW(menu.get(), MF_STRING | (checked ? MF_CHECKED : 0), item.command, Wide(item.text).c_str());
  }
  SetMenuDefaultItem(menu.get(), kRefresh, FALSE);
  POINT at{};
  GetCursorPos(&at);
  // The menu closes when the user clicks elsewhere only while our window is in the foreground.
  SetForegroundWindow(window_);
  const UINT command =
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  PostMessageW(window_, WM_NULL, 0, 0);
  if (command) OnCommand(command);
}

void ResidentWindow::OnCommand(UINT command) {
  switch (command) {
    case kRefresh:
      Handle(DeskEvent::RefreshAsked, true);
      break;
    case kSettings:
      composition_->RunSettings();
      Handle(DeskEvent::SettingsClosed, true);
      break;
    case kPicture:
      if (const std::wstring path = AskForPicture(window_); !path.empty()) {
        try {
          Composition::ChoosePicture(path);
          Handle(DeskEvent::RefreshAsked, true);
        } catch (const DeskError& error) {
          Tell(error, true);
        }
      }
      break;
    case kAutostart:
      if (!SetAutostart(!AutostartIsOn())) Tell(DeskError{kExitUnwritable, Wide(kCannotWrite) + L"Run"}, true);
      break;
    case kRestore:
      RestoreRememberedWallpaper();
      DestroyWindow(window_);
      break;
    case kExit:
      DestroyWindow(window_);
      break;
  }
}

LRESULT ResidentWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kTrayMessage:
      if (lParam == WM_RBUTTONUP || lParam == WM_CONTEXTMENU) ShowMenu();
      if (lParam == WM_LBUTTONDBLCLK) Handle(DeskEvent::RefreshAsked, true);
      return 0;
    case WM_TIMER:
      if (wParam != kMinuteTimer) KillTimer(window_, wParam);  // the minute's timer repeats
      if (wParam == kMinuteTimer) Handle(DeskEvent::MinuteCheck);
      if (wParam == kMidnightTimer) {
        Handle(DeskEvent::Midnight);
        ArmMidnight();
      }
      if (wParam == kGatherTimer && gathered_) {
        const DeskEvent event = *gathered_;
        gathered_.reset();
        Handle(event);
      }
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
      Soon(DeskEvent::DisplayChanged);
      return 0;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_UNLOCK) Soon(DeskEvent::SessionUnlocked);
      return 0;
    case WM_SYSCOLORCHANGE:
      Soon(DeskEvent::ColourChanged);
      return 0;
    case WM_SETTINGCHANGE:
      // The desktop colour set through the registry and announced as a setting change; the
      // wallpaper's own announcement (ours among them) changes nothing of our picture.
      if (wParam == 0 && lParam && lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"Colors") == 0) {
        Soon(DeskEvent::ColourChanged);
      }
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kMidnightTimer);
      KillTimer(window_, kMinuteTimer);
      KillTimer(window_, kGatherTimer);
      WTSUnRegisterSessionNotification(window_);
      tray_.reset();
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      return 0;
  }
  if (message == taskbarCreated_ && tray_) {
    tray_->Show();
    return 0;
  }
  if (message == ComposeNowMessage()) {
    Handle(DeskEvent::RefreshAsked);
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
