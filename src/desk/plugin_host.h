// Tezun.bpi as TezunDesk reaches it: loaded by path and called through its three exports, as any
// host does. Nothing else of the plug-in is linked in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "handles.h"

namespace tezun::desk {

class PluginHost {
 public:
  // Loads the plug-in and finds its three exports; a DeskError says what is missing.
  explicit PluginHost(const std::wstring& path);

  // The composed picture for `picture` (taken over by the plug-in, 0 for none); the result is ours.
  Bitmap Execute(HWND window, HBITMAP picture) const;
  // The settings dialog, on a picture the plug-in takes over (0 for none).
  void Settings(HWND window, HBITMAP picture) const;

 private:
  using ExecuteProc = int32_t(__stdcall*)(HWND, const char*, HBITMAP*);
  using SettingProc = int32_t(__stdcall*)(HWND, const char*, HBITMAP);
  using InfoProc = int32_t(__stdcall*)(int32_t, char*);

  FARPROC Find(const char* name) const;

  Module module_;
  ExecuteProc execute_ = nullptr;
  SettingProc setting_ = nullptr;
  InfoProc info_ = nullptr;
};

// Tezun.bpi beside the running program.
std::wstring PluginBesideProgram();

}  // namespace tezun::desk
