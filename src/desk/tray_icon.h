// TezunDesk's icon in the notification area: its tip, its balloon, and adding it again when the
// shell was not ready for it or Explorer started again.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>

#include "handles.h"

namespace tezun::desk {

// The message the icon sends its window.
constexpr UINT kTrayMessage = WM_APP + 1;

class TrayIcon {
 public:
  TrayIcon(HWND window, HINSTANCE instance);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Adds the icon, loaded at the density the shell shows it at: again after "TaskbarCreated" (a
  // new Explorer knows no icons, and one on another monitor may want another size). False when
  // the shell refused it, as it does while the notification area is not ready after log-on.
  bool Show();
  bool shown() const { return shown_; }
  // The tip says what is wrong (a failure, a pause), or only the name when nothing is.
  void SetStatus(const std::wstring& status);
  const std::wstring& status() const { return status_; }
  // One balloon with the words.
  void Balloon(const std::wstring& words);

 private:
  NOTIFYICONDATAW Data(UINT flags) const;

  HWND window_;
  HINSTANCE instance_;
  Icon icon_;
  std::wstring status_;
  bool shown_ = false;
};

// Tests stand in for the shell's notification area here; null puts the shell's own back.
using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
void ReplaceNotifyForTesting(NotifyFunction function);

}  // namespace tezun::desk
