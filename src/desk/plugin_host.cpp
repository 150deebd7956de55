#include "plugin_host.h"

#include "desk_error.h"
#include "program_path.h"
#include "texts.h"

namespace tezun::desk {
namespace {

// An empty key text: the plug-in's settings are those at the host's default key, so that a user
// who also has the wallpaper program sees the same calendar in both.
constexpr char kDefaultKey[] = "";

// The settings dialog's windows were made for hosts that are aware of the system's density at
// most. TezunDesk is aware of each monitor's, and Windows would leave the dialog unscaled on a
// monitor of another density: for the call, the thread is aware of the system's density alone,
// as those hosts are, and Windows scales the dialog there. Windows 10 1607 and later; elsewhere
// the thread is as the process is.
class SystemAwareThread {
 public:
  SystemAwareThread() {
    if (setContext_) previous_ = setContext_(kSystemAware);
  }
  SystemAwareThread(const SystemAwareThread&) = delete;
  SystemAwareThread& operator=(const SystemAwareThread&) = delete;
  ~SystemAwareThread() {
    if (setContext_ && previous_) setContext_(previous_);
  }

 private:
  using Context = HANDLE;  // DPI_AWARENESS_CONTEXT, which older headers lack
  using SetContext = Context(WINAPI*)(Context);
  static inline const Context kSystemAware = reinterpret_cast<Context>(static_cast<INT_PTR>(-2));
  const SetContext setContext_ = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  Context previous_ = nullptr;
};

}  // namespace

PluginHost::PluginHost(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
  if (!module_) throw DeskError{kExitUnwritable, Wide(kCannotLoadPlugin) + path + L"\n" + ErrorText(GetLastError())};
  execute_ = reinterpret_cast<ExecuteProc>(reinterpret_cast<void*>(Find("ExecutePlugIn")));
  setting_ = reinterpret_cast<SettingProc>(reinterpret_cast<void*>(Find("SettingPlugIn")));
  info_ = reinterpret_cast<InfoProc>(reinterpret_cast<void*>(Find("GetPlugInInfo")));
}

FARPROC PluginHost::Find(const char* name) const {
  FARPROC proc = GetProcAddress(module_.get(), name);
  if (!proc) {
    const std::string ascii(name);
    throw DeskError{kExitUnwritable, Wide(kPluginLacks) + std::wstring(ascii.begin(), ascii.end())};
  }
  return proc;
}

Bitmap PluginHost::Execute(HWND window, HBITMAP picture) const {
  HBITMAP wallpaper = picture;
  execute_(window, kDefaultKey, &wallpaper);
  // The handle passed in is the plug-in's now, whatever it returned.
  if (!wallpaper || wallpaper == picture) throw DeskError{kExitUnwritable, Wide(kPluginGaveNothing)};
  return Bitmap(wallpaper);
}

void PluginHost::Settings(HWND window, HBITMAP picture) const {
  const SystemAwareThread awareness;
  setting_(window, kDefaultKey, picture);
}

std::wstring PluginBesideProgram() {
  const std::wstring path = ProgramPath();
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"Tezun.bpi";
}

}  // namespace tezun::desk
