// Answering the settings dialog from a second thread as a user would: finding its windows,
// clicking controls, answering the common dialogs and message boxes, looking at what is shown.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "pixels.h"

namespace tezun::test {

// A visible top-level window of this process with the class, owned by `owner` when one is given.
HWND FindTopWindow(const char* className, HWND owner = nullptr);
// Waits for one, and until it has finished showing itself; null if none came.
HWND WaitForTopWindow(const char* className, HWND owner = nullptr);

// Clicks a control of a dialog, as a mouse click on it would (nothing happens when it is disabled).
void ClickControl(HWND dialog, int id);
// Gives a control the focus as a user can without clicking it: the left button pressed on it,
// moved off it and released beside it.
void FocusControl(HWND dialog, int id);
// The identifier of the control that has the focus in the dialog's thread, 0 if none has.
int FocusedControl(HWND dialog);
bool IsControlChecked(HWND dialog, int id);
bool IsControlEnabled(HWND dialog, int id);

// What a window shows in its client area now.
Pixels CaptureClient(HWND window);

// The colour dialog owned by `owner`: sets red, green and blue and confirms, or cancels. Returns
// whether the dialog came.
bool AnswerColourDialog(HWND owner, std::optional<COLORREF> colour);

// The font dialog owned by `owner`: picks a size in points and bold, and confirms, or cancels.
struct FontChoice {
  int points = 0;
  bool bold = false;
};
bool AnswerFontDialog(HWND owner, std::optional<FontChoice> choice);

// The message box owned by `owner`: its text, after pressing OK. Nothing if none came.
std::optional<std::string> DismissMessageBox(HWND owner);

}  // namespace tezun::test
