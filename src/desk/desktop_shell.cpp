// Compiled with NTDDI_VERSION for Windows 8, whose headers declare IDesktopWallpaper; on Windows 7
// the object is simply not there, and nothing else of Windows 8 is used.
#include "desktop_shell.h"

#include <shobjidl.h>

namespace tezun::desk {
namespace {

// A text the shell allocated, given back.
std::wstring Taken(wchar_t* text) {
  std::wstring copy = text ? text : L"";
  CoTaskMemFree(text);
  return copy;
}

}  // namespace

void ReleaseShellObject(IDesktopWallpaper* shell) { shell->Release(); }

std::optional<DesktopShell> DesktopShell::Open() {
  // Where no such class is registered (Windows 7, Wine) it is not asked for: COM would look for a
  // server to start first, at every look, and Wine's leaves handles behind doing so.
  HKEY registered = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{C2CF3110-460E-4FC1-B9D0-8A1C0C9CC4BD}", 0, KEY_QUERY_VALUE,
                    &registered) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  RegCloseKey(registered);
  IDesktopWallpaper* shell = nullptr;
  if (FAILED(CoCreateInstance(CLSID_DesktopWallpaper, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&shell))) || !shell) {
    return std::nullopt;
  }
  return DesktopShell(shell);
}

std::vector<std::wstring> DesktopShell::MonitorIds() const {
  std::vector<std::wstring> ids;
  UINT count = 0;
  if (FAILED(shell_.get()->GetMonitorDevicePathCount(&count))) return ids;
  for (UINT i = 0; i < count; ++i) {
    wchar_t* id = nullptr;
    if (SUCCEEDED(shell_.get()->GetMonitorDevicePathAt(i, &id)) && id) ids.push_back(Taken(id));
  }
  return ids;
}

std::vector<Monitor> DesktopShell::Monitors() const {
  std::vector<Monitor> monitors;
  for (const std::wstring& id : MonitorIds()) {
    RECT rect{};
    // S_FALSE and the like: a monitor the shell knows but does not show now.
    if (shell_.get()->GetMonitorRECT(id.c_str(), &rect) != S_OK || rect.right <= rect.left || rect.bottom <= rect.top) {
      continue;
    }
    monitors.push_back({id, {rect.left, rect.top, rect.right, rect.bottom}});
  }
  return monitors;
}

std::wstring DesktopShell::Wallpaper(const std::wstring& monitor) const {
  wchar_t* path = nullptr;
  if (FAILED(shell_.get()->GetWallpaper(monitor.c_str(), &path))) {
    CoTaskMemFree(path);
    return L"";
  }
  return Taken(path);
}

HRESULT DesktopShell::SetWallpaper(const std::wstring& monitor, const std::wstring& path) const {
  return shell_.get()->SetWallpaper(monitor.c_str(), path.c_str());
}

std::optional<int> DesktopShell::Position() const {
  DESKTOP_WALLPAPER_POSITION position = DWPOS_CENTER;
  if (FAILED(shell_.get()->GetPosition(&position))) return std::nullopt;
  return static_cast<int>(position);
}

HRESULT DesktopShell::SetPosition(int position) const {
  return shell_.get()->SetPosition(static_cast<DESKTOP_WALLPAPER_POSITION>(position));
}

std::optional<COLORREF> DesktopShell::BackgroundColour() const {
  COLORREF colour = 0;
  if (FAILED(shell_.get()->GetBackgroundColor(&colour))) return std::nullopt;
  return colour;
}

HRESULT DesktopShell::SetBackgroundColour(COLORREF colour) const { return shell_.get()->SetBackgroundColor(colour); }

bool DesktopShell::SlideshowOn() const {
  DESKTOP_SLIDESHOW_STATE state{};
  if (FAILED(shell_.get()->GetStatus(&state))) return false;
  return (state & DSS_ENABLED) && (state & DSS_SLIDESHOW);
}

std::vector<Monitor> DisplayMonitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, LPRECT rect, LPARAM found) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<Monitor>*>(found)->push_back(
            {L"", {rect->left, rect->top, rect->right, rect->bottom}});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace tezun::desk
