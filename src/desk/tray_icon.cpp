#include "tray_icon.h"

// after windows.h, which it needs
#include <shellapi.h>

#include <cwchar>

#include "failure_notice.h"
#include "texts.h"

namespace tezun::desk {
namespace {

constexpr UINT kIconId = 1;

template <size_t N>
void Copy(wchar_t (&target)[N], const std::wstring& text) {
  const size_t length = text.size() < N - 1 ? text.size() : N - 1;
  wmemcpy(target, text.c_str(), length);
  target[length] = L'\0';
}

}  // namespace

TrayIcon::TrayIcon(HWND window, HICON icon) : window_(window), icon_(icon) { Show(); }

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAW data = Data(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = icon_;
  Copy(data.szTip, TipText(Wide(kTipName), failure_, sizeof data.szTip / sizeof data.szTip[0]));
  return data;
}

bool TrayIcon::Show() {
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // A leftover icon of ours (Explorer kept it) is replaced rather than doubled.
  Shell_NotifyIconW(NIM_DELETE, &data);
  return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIcon::SetFailure(const std::wstring& failure) {
  if (failure == failure_) return;
  failure_ = failure;
  NOTIFYICONDATAW data = Data(NIF_TIP);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::Balloon(const std::wstring& failure) {
  NOTIFYICONDATAW data = Data(NIF_INFO);
  Copy(data.szInfoTitle, Wide(kTitle));
  Copy(data.szInfo, failure);
  data.dwInfoFlags = NIIF_WARNING;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

}  // namespace tezun::desk
