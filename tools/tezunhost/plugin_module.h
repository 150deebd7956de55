// A plug-in loaded by path and its three entry points, called as the host application calls them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tezunhost {

class PluginModule {
 public:
  // Loads the module and finds all three exports; a HostError names what is missing.
  explicit PluginModule(const std::wstring& path);
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;
  ~PluginModule();

  int32_t ExecutePlugIn(HWND host, const char* key, HBITMAP* wallpaper) const { return execute_(host, key, wallpaper); }
  int32_t SettingPlugIn(HWND host, const char* key, HBITMAP wallpaper) const { return setting_(host, key, wallpaper); }
  int32_t GetPlugInInfo(int32_t kind, char* buffer) const { return info_(kind, buffer); }

 private:
  using ExecuteProc = int32_t(__stdcall*)(HWND, const char*, HBITMAP*);
  using SettingProc = int32_t(__stdcall*)(HWND, const char*, HBITMAP);
  using InfoProc = int32_t(__stdcall*)(int32_t, char*);

  template <class Proc>
  Proc Find(const char* name, const std::wstring& path) const;

  HMODULE module_;
  ExecuteProc execute_;
  SettingProc setting_;
  InfoProc info_;
};

}  // namespace tezunhost
