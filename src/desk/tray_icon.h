// TezunDesk's icon in the notification area: its tip, its balloon, and putting it back when
// Explorer starts again.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>

namespace tezun::desk {

// The message the icon sends its window.
constexpr UINT kTrayMessage = WM_APP + 1;

class TrayIcon {
 public:
  TrayIcon(HWND window, HICON icon);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Adds the icon (again, after "TaskbarCreated": a new Explorer knows no icons).
  bool Show();
  // The tip says the failure, or only the name when there is none.
  void SetFailure(const std::wstring& failure);
  // One balloon with the failure.
  void Balloon(const std::wstring& failure);

 private:
  NOTIFYICONDATAW Data(UINT flags) const;

  HWND window_;
  HICON icon_;
  std::wstring failure_;
};

}  // namespace tezun::desk
