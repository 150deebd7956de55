#include "exports.h"

#include <cstring>

#include "call_frame.h"
#include "graphics/gdi_handles.h"
#include "render/wallpaper_composer.h"
#include "settings_sequence.h"
#include "stored_settings.h"
#include "texts.h"
#include "win32_registry.h"

using namespace tezun;

namespace {

// What ExecutePlugIn composes from: the settings stored at the host's key, read again only when
// something under the key changed. It lives as long as the module, its watch with it.
StoredSettings storedSettings;

}  // namespace

extern "C" int32_t __stdcall ExecutePlugIn(HWND, const char* registryKey, HBITMAP* wallpaper) {
  Contained([&] {
    // Never the module's record: a host's timer may call while our settings dialog is open, from
    // within its message loop, and the record then holds the user's unsaved edits.
    const auto currentUser = CurrentUserKey();
    const TCalendarSettings& settings = storedSettings.Load(*currentUser, registryKey ? registryKey : "");
    if (wallpaper) ComposeWallpaper(*wallpaper, settings);
  });
  return 0;
}

extern "C" int32_t __stdcall SettingPlugIn(HWND hostWindow, const char* registryKey, HBITMAP wallpaper) {
  // A bitmap handed in is ours from here on, whatever happens; anything else stays the host's.
  BitmapHandle hostPicture(GetObjectType(wallpaper) == OBJ_BITMAP ? wallpaper : nullptr);
  if (SettingsSequenceRunning()) {
    // Called again from within the dialog's own message loop: one dialog is enough.
    BringSettingsDialogToFront();
    return 0;
  }
  Contained([&] {
    CallFrame frame(hostWindow, registryKey);
    RunSettingsSequence(frame.owner(), frame.store(), std::move(hostPicture));
  });
  return 0;
}

extern "C" int32_t __stdcall GetPlugInInfo(int32_t infoType, char* buffer) {
  if (!buffer) return 0;
  static const char* const kTexts[] = {"B", kPlugInDisplayName, "0106", "10"};
  buffer[0] = '\0';
  if (infoType >= 0 && infoType < 4) {
    // The host supplies room for the longest text; each is copied with its terminating NUL.
    std::memcpy(buffer, kTexts[infoType], std::strlen(kTexts[infoType]) + 1);
  }
  return 0;
}
