#include "resident_menu.h"

// after windows.h, which it needs
#include <commdlg.h>

#include <vector>

#include "handles.h"
#include "texts.h"

namespace tezun::desk {
namespace {

// The icon's menu, top to bottom; 0 is a separator.
struct MenuItem {
  UINT command;
  const char* text;
};
constexpr MenuItem kMenu[] = {
    {kRefresh, kMenuRefresh},
    {kSettings, kMenuSettings},
    {kPicture, kMenuPicture},
    {kSubscribe, kMenuSubscribe},
    {0, nullptr},
    {kAutostart, kMenuAutostart},
    {0, nullptr},
    {kRestore, kMenuRestore},
    {kExit, kMenuExit},
};

}  // namespace

UINT PickFromMenu(HWND window, bool autostart) {
  const Menu menu(CreatePopupMenu());
  if (!menu) return 0;
  for (const MenuItem& item : kMenu) {
    if (!item.text) {
      AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const bool checked = item.command == kAutostart && autostart;
    AppendMenuW(menu.get(), MF_STRING | (checked ? MF_CHECKED : 0), item.command, Wide(item.text).c_str());
  }
  SetMenuDefaultItem(menu.get(), kRefresh, FALSE);
  POINT at{};
  GetCursorPos(&at);
  // The menu closes when the user clicks elsewhere only while our window is in the foreground.
  SetForegroundWindow(window);
  const UINT command =
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
  PostMessageW(window, WM_NULL, 0, 0);
  return command;
}

std::wstring AskForPicture(HWND owner) {
  // The filter's pairs end in NUL each: Wide() stops at the first, so convert part by part.
  std::wstring pairs;
  for (const char* part = kPictureFilter; *part; part += std::char_traits<char>::length(part) + 1) {
    pairs += Wide(part);
    pairs.push_back(L'\0');
  }
  pairs.push_back(L'\0');
  std::vector<wchar_t> path(32768, L'\0');
  const std::wstring title = Wide(kMenuPicture);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pairs.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameW(&dialog) ? std::wstring(path.data()) : L"";
}

}  // namespace tezun::desk
