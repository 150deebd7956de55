#include "dialog_driver.h"

#include <colordlg.h>
#include <dlgs.h>

#include "ui_driver.h"

namespace tezun::test {

namespace {

struct Search {
  const char* className;
  HWND owner;
  HWND found;
};

BOOL CALLBACK Match(HWND hwnd, LPARAM data) {
  auto& s = *reinterpret_cast<Search*>(data);
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId() || strcmp(name, s.className) != 0 || !IsWindowVisible(hwnd)) return TRUE;
  if (s.owner && GetWindow(hwnd, GW_OWNER) != s.owner) return TRUE;
  s.found = hwnd;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(const char* className, HWND owner) {
  Search search{className, owner, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopWindow(const char* className, HWND owner) {
  HWND found = nullptr;
  if (WaitUntil([&] { return (found = FindTopWindow(className, owner)) != nullptr; })) {
    WaitUntilIdle(found);  // it has finished showing itself
  }
  return found;
}

void ClickControl(HWND dialog, int id) {
  PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  WaitUntilIdle(dialog);
}

void FocusControl(HWND dialog, int id) {
  RECT control{};
  GetWindowRect(GetDlgItem(dialog, id), &control);
  POINT beside{4, 4};  // the dialog's own background, at the corner of its client area
  ClientToScreen(dialog, &beside);
  MoveMouse({(control.left + control.right) / 2, (control.top + control.bottom) / 2});
  PressMouse(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(beside);
  PressMouse(MOUSEEVENTF_LEFTUP);
  WaitUntilIdle(dialog);
}

int FocusedControl(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
  return info.hwndFocus && IsChild(dialog, info.hwndFocus) ? GetDlgCtrlID(info.hwndFocus) : 0;
}

bool IsControlChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsControlEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

Pixels CaptureClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC source = GetDC(window);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP picture = CreateCompatibleBitmap(source, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(window, source);
  Pixels pixels = ReadPixels(picture);
  DeleteObject(picture);
  return pixels;
}

bool AnswerColourDialog(HWND owner, std::optional<COLORREF> colour) {
  HWND dialog = WaitForTopWindow("#32770", owner);
  if (!dialog) return false;
  if (colour) {
    SetDlgItemInt(dialog, COLOR_RED, GetRValue(*colour), FALSE);
    SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(*colour), FALSE);
    SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(*colour), FALSE);
  }
  PostMessageA(dialog, WM_COMMAND, colour ? IDOK : IDCANCEL, 0);
  WaitUntil([&] { return !IsWindow(dialog); });
  return true;
}

bool AnswerFontDialog(HWND owner, std::optional<FontChoice> choice) {
  HWND dialog = WaitForTopWindow("#32770", owner);
  if (!dialog) return false;
  if (choice) {
    // Select the items as a user would and tell the dialog, which reads its choices from them.
    auto select = [&](int combo, auto matches) {
      HWND box = GetDlgItem(dialog, combo);
      const LRESULT count = SendMessageA(box, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        if (matches(SendMessageA(box, CB_GETITEMDATA, i, 0))) {
          SendMessageA(box, CB_SETCURSEL, i, 0);
          SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
          return;
        }
      }
    };
    select(cmb2, [&](LRESULT data) { return (LOWORD(data) >= FW_BOLD) == choice->bold && HIWORD(data) == 0; });
    select(cmb3, [&](LRESULT data) { return LOWORD(data) == choice->points; });
  }
  PostMessageA(dialog, WM_COMMAND, choice ? IDOK : IDCANCEL, 0);
  WaitUntil([&] { return !IsWindow(dialog); });
  return true;
}

std::optional<std::string> DismissMessageBox(HWND owner) {
  HWND box = WaitForTopWindow("#32770", owner);
  if (!box) return std::nullopt;
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  WaitUntil([&] { return !IsWindow(box); });
  return std::string(text);
}

}  // namespace tezun::test
