// A stand-in for the shell's IDesktopWallpaper, which Wine has not: registered in a test prefix
// as the shell's class, so that TezunDesk takes its per-monitor way there too. What it keeps (each
// monitor's file, the position, the colour) lives in the registry, so that every process of a test
// sees one desktop; each call that changes something is added to a log file, a line each, for the
// test to check. Under HKEY_CURRENT_USER\Software\TezunDeskStandIn:
//   Log         the log file (UTF-8 lines: the method, then its arguments, tab-separated)
//   Monitors    "id,left,top,right,bottom" separated by ";"; without it, the display's monitors,
//               named as the display names them (\\.\DISPLAY1, ...)
//   Slideshow   "1": a slideshow is on
//   Refuse      a monitor whose SetWallpaper fails
//   Wallpaper   a key of each monitor's file, by its id; Position and Background beside it
#include <windows.h>
// after windows.h, which they need
#include <shobjidl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kKey[] = L"Software\\TezunDeskStandIn";
constexpr wchar_t kWallpapers[] = L"Software\\TezunDeskStandIn\\Wallpaper";

std::wstring Text(const wchar_t* key, const wchar_t* name) {
  wchar_t buffer[4096] = {};
  DWORD size = sizeof buffer - sizeof buffer[0];
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) return L"";
  return buffer;
}

DWORD Number(const wchar_t* name, DWORD otherwise) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
    return otherwise;
  }
  return value;
}

void Put(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * 2));
}

void PutNumber(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value, sizeof value);
}

void Log(const std::wstring& line) {
  const std::wstring path = Text(kKey, L"Log");
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::wstring ended = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, ended.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, ended.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() - 1), &written, nullptr);
  CloseHandle(file);
}

struct Screen {
  std::wstring id;
  RECT rect;
};

std::vector<Screen> Screens() {
  std::vector<Screen> screens;
  const std::wstring listed = Text(kKey, L"Monitors");
  for (size_t start = 0; start < listed.size();) {
    const size_t end = std::min(listed.find(L';', start), listed.size());
    wchar_t id[256] = {};
    RECT r{};
    if (swscanf(listed.substr(start, end - start).c_str(), L"%255[^,],%ld,%ld,%ld,%ld", id, &r.left, &r.top, &r.right,
                &r.bottom) == 5) {
      screens.push_back({id, r});
    }
    start = end + 1;
  }
  if (!listed.empty()) return screens;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT rect, LPARAM found) CALLBACK -> BOOL {
        MONITORINFOEXW info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(monitor, &info);
        reinterpret_cast<std::vector<Screen>*>(found)->push_back({info.szDevice, *rect});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&screens));
  return screens;
}

wchar_t* Allocated(const std::wstring& text) {
  auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
  if (copy) wcscpy(copy, text.c_str());
  return copy;
}

// One object for the module's life, its own class factory too.
class StandIn final : public IDesktopWallpaper, public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDesktopWallpaper) *object = static_cast<IDesktopWallpaper*>(this);
    if (riid == IID_IClassFactory) *object = static_cast<IClassFactory*>(this);
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    *object = nullptr;
    return outer ? CLASS_E_NOAGGREGATION : QueryInterface(riid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE SetWallpaper(LPCWSTR monitor, LPCWSTR path) override {
    const std::wstring id = monitor ? monitor : L"";
    const bool refused = !id.empty() && id == Text(kKey, L"Refuse");
    Log(L"SetWallpaper\t" + id + L"\t" + path + (refused ? L"\trefused" : L""));
    if (refused) return E_FAIL;
    for (const Screen& screen : Screens()) {
      if (id.empty() || screen.id == id) Put(kWallpapers, screen.id.c_str(), path);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetWallpaper(LPCWSTR monitor, LPWSTR* path) override {
    *path = Allocated(Text(kWallpapers, monitor ? monitor : L""));
    return *path ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE GetMonitorDevicePathAt(UINT index, LPWSTR* id) override {
    const std::vector<Screen> screens = Screens();
    if (index >= screens.size()) return E_INVALIDARG;
    *id = Allocated(screens[index].id);
    return *id ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE GetMonitorDevicePathCount(UINT* count) override {
    *count = static_cast<UINT>(Screens().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMonitorRECT(LPCWSTR monitor, RECT* rect) override {
    for (const Screen& screen : Screens()) {
      if (screen.id == monitor) {
        *rect = screen.rect;
        return S_OK;
      }
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE SetBackgroundColor(COLORREF colour) override {
    PutNumber(L"Background", colour);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetBackgroundColor(COLORREF* colour) override {
    *colour = Number(L"Background", GetSysColor(COLOR_BACKGROUND));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetPosition(DESKTOP_WALLPAPER_POSITION position) override {
    Log(L"SetPosition\t" + std::to_wstring(position));
    PutNumber(L"Position", position);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPosition(DESKTOP_WALLPAPER_POSITION* position) override {
    *position = static_cast<DESKTOP_WALLPAPER_POSITION>(Number(L"Position", DWPOS_FILL));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSlideshow(IShellItemArray*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSlideshow(IShellItemArray**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSlideshowOptions(DESKTOP_SLIDESHOW_OPTIONS, UINT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSlideshowOptions(DESKTOP_SLIDESHOW_OPTIONS*, UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AdvanceSlideshow(LPCWSTR, DESKTOP_SLIDESHOW_DIRECTION) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetStatus(DESKTOP_SLIDESHOW_STATE* state) override {
    *state = Text(kKey, L"Slideshow") == L"1" ? DSS_ENABLED | DSS_SLIDESHOW : DSS_ENABLED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Enable(BOOL) override { return S_OK; }
};

StandIn standIn;

}  // namespace

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
  if (clsid != CLSID_DesktopWallpaper) return CLASS_E_CLASSNOTAVAILABLE;
  return standIn.QueryInterface(riid, object);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return S_FALSE; }
