#include "plugin_module.h"

#include "host_error.h"

namespace tezunhost {

PluginModule::PluginModule(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {
  if (!module_)
    throw HostError("cannot load plug-in " + Utf8(path) + " (error " + std::to_string(GetLastError()) + ")");
  try {
    execute_ = Find<ExecuteProc>("ExecutePlugIn", path);
    setting_ = Find<SettingProc>("SettingPlugIn", path);
    info_ = Find<InfoProc>("GetPlugInInfo", path);
  } catch (...) {
    FreeLibrary(module_);
    throw;
  }
}

PluginModule::~PluginModule() { FreeLibrary(module_); }

template <class Proc>
Proc PluginModule::Find(const char* name, const std::wstring& path) const {
  FARPROC proc = GetProcAddress(module_, name);
  if (!proc) throw HostError("plug-in " + Utf8(path) + " has no export " + name);
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(proc));
}

}  // namespace tezunhost
