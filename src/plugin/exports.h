// The plug-in's three entry points, as the host calls them (stdcall, ordinals 1 to 3).
#pragma once

#include <windows.h>

#include <cstdint>

extern "C" {

// Returns the wallpaper composed on *wallpaper, which the module takes over and deletes.
int32_t __stdcall ExecutePlugIn(HWND hostWindow, const char* registryKey, HBITMAP* wallpaper);
// Runs the settings dialog; the module takes over and deletes the bitmap.
int32_t __stdcall SettingPlugIn(HWND hostWindow, const char* registryKey, HBITMAP wallpaper);
// Writes information text number infoType (0 to 3) into buffer, which holds at least 15 bytes.
int32_t __stdcall GetPlugInInfo(int32_t infoType, char* buffer);
}
