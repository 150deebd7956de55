// What the module's dialogs share: a layout given at 96 dots per inch and scaled to the screen's
// density, controls in the dialog's font, and the keys of a dialog box.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "graphics/gdi_handles.h"
#include "window.h"

namespace tezun {

class DialogForm : public Window {
 protected:
  // The density is read once: the dialog is laid out at it.
  DialogForm();

  // Creates the dialog window: a caption with only the system menu, a single fixed border, the
  // client area of this size at 96 dots per inch; owned by `owner`.
  void CreateDialogWindow(const char* className, std::string_view caption, int clientWidth, int clientHeight,
                          HWND owner);
  // At 96 dots per inch, scaled to the screen's density: every position and size, the client
  // area's and the fonts' too, by the screen's dots per inch over 96, rounded as MulDiv rounds.
  int Scaled(int at96) const { return MulDiv(at96, pixelsPerInch_, 96); }
  HWND Item(int id) const { return GetDlgItem(Handle(), id); }
  HFONT DialogFont() const { return font_.get(); }
  // A control at 96 dots per inch, or in the screen's pixels already; in the dialog's font unless
  // another is given.
  HWND AddControl(const char* className, const char* text, DWORD style, int left, int top, int width, int height,
                  int id, HFONT font = nullptr);
  HWND AddScaledControl(const char* className, const char* text, DWORD style, int left, int top, int width, int height,
                        int id, HFONT font = nullptr);

  // The keyboard. Tab and Shift+Tab go through the stops in the order they were added, passing
  // over what is disabled; from no stop, Tab goes to the first and Shift+Tab to the last. A stop is
  // one control, or the items of a radio set: entered at its checked item, and the arrow keys
  // move to the next or previous item and choose it, as a click does. Escape is Cancel; there is
  // no default button, so Enter presses the focused push button and on any other control does
  // nothing, and Space is the button's own.
  void AddStop(std::vector<int> items) { stops_.push_back(std::move(items)); }
  // A click on a control, by the user or the keys; IDCANCEL also for Escape and the close box.
  virtual void Click(int id) = 0;

  // Places the window over the middle of its owner, wholly on a monitor.
  void CentreOverOwner();

  // The colour dialog, starting at `colour`; whether the user chose one.
  bool ChooseColour(int32_t& colour);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(const MSG& msg) override;

 private:
  HWND StopTarget(const std::vector<int>& stop) const;
  // `from` is the focused control's identifier, 0 when none of them has the focus.
  void MoveFocus(int from, bool backwards);
  bool ChooseInRadioSet(int focused, bool backwards);

  int pixelsPerInch_;
  FontHandle font_;  // every control's
  std::vector<std::vector<int>> stops_;
  HWND lastFocus_ = nullptr;  // the control the focus goes back to when the dialog is active again
  std::array<COLORREF, 16> customColours_{};
};

// The dialogs' font, "ＭＳ Ｐゴシック", at a character height in pixels.
FontHandle MakeDialogFont(int height);

// Whether a button (check box or radio button) is checked, and checking or clearing one; no
// handler runs for a change made here.
inline bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline void SetCheck(HWND control, bool checked) {
  SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace tezun
