// The resident icon's menu and the picture it asks for: the menu's layout is a table, and what
// the user picks comes back as a command for the window's switch.
#pragma once

#include <windows.h>

#include <string>

namespace tezun::desk {

enum ResidentCommand : UINT { kRefresh = 100, kSettings, kPicture, kSubscribe, kAutostart, kRestore, kExit };

// The menu at the cursor, "Windows の起動時に開始" ticked as `autostart` says; the command picked,
// 0 for none.
UINT PickFromMenu(HWND window, bool autostart);

// The picture the user picks in the open dialog; empty when cancelled.
std::wstring AskForPicture(HWND owner);

}  // namespace tezun::desk
