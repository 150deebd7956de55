#include "tray_icon.h"

#include <commctrl.h>

#include <cwchar>

#include "failure_notice.h"
#include "texts.h"

namespace tezun::desk {
namespace {

constexpr UINT kIconId = 1;
constexpr int kIconResource = 1;

NotifyFunction notify = Shell_NotifyIconW;

template <size_t N>
void Copy(wchar_t (&target)[N], const std::wstring& text) {
  const size_t length = text.size() < N - 1 ? text.size() : N - 1;
  wmemcpy(target, text.c_str(), length);
  target[length] = L'\0';
}

// The small icon at the size the shell wants now. LoadIconMetric (common controls 6) picks the
// size for the density and draws from the largest image that fits; where it is missing, the
// system's small-icon size.
Icon SmallIcon(HINSTANCE instance) {
  using LoadMetric = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  if (!controls) controls = LoadLibraryW(L"comctl32.dll");  // stays loaded with the program
  const auto loadMetric =
      controls ? reinterpret_cast<LoadMetric>(reinterpret_cast<void*>(GetProcAddress(controls, "LoadIconMetric")))
               : nullptr;
  HICON icon = nullptr;
  if (loadMetric && SUCCEEDED(loadMetric(instance, MAKEINTRESOURCEW(kIconResource), LIM_SMALL, &icon))) {
    return Icon(icon);
  }
  return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

}  // namespace

void ReplaceNotifyForTesting(NotifyFunction function) { notify = function ? function : Shell_NotifyIconW; }

TrayIcon::TrayIcon(HWND window, HINSTANCE instance) : window_(window), instance_(instance) { Show(); }

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAW data = Data(0);
  notify(NIM_DELETE, &data);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = icon_.get();
  Copy(data.szTip, TipText(Wide(kTipName), status_, sizeof data.szTip / sizeof data.szTip[0]));
  return data;
}

bool TrayIcon::Show() {
  icon_ = SmallIcon(instance_);
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // A leftover icon of ours (Explorer kept it) is replaced rather than doubled.
  notify(NIM_DELETE, &data);
  shown_ = notify(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::SetStatus(const std::wstring& status) {
  if (status == status_) return;
  status_ = status;
  NOTIFYICONDATAW data = Data(NIF_TIP);
  notify(NIM_MODIFY, &data);
}

void TrayIcon::Balloon(const std::wstring& words) {
  NOTIFYICONDATAW data = Data(NIF_INFO);
  Copy(data.szInfoTitle, Wide(kTitle));
  Copy(data.szInfo, words);
  data.dwInfoFlags = NIIF_WARNING;
  notify(NIM_MODIFY, &data);
}

}  // namespace tezun::desk
