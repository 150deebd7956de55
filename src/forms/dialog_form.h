// What the module's dialogs share: a layout given as a table at 96 dots per inch and scaled to the
// screen's density, controls in the dialog's font, the keys of a dialog box, and the exchange of
// values between controls and the settings they show.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include "graphics/gdi_handles.h"
#include "window.h"

namespace tezun {

// What kind of control a row of a layout makes: its window class and style.
struct ControlKind {
  const char* className = nullptr;
  DWORD style = 0;
};
inline constexpr ControlKind kGroupBox{"BUTTON", BS_GROUPBOX};
inline constexpr ControlKind kRadioButton{"BUTTON", BS_RADIOBUTTON};
inline constexpr ControlKind kCheckBox{"BUTTON", BS_CHECKBOX};
inline constexpr ControlKind kPushButton{"BUTTON", BS_PUSHBUTTON};
inline constexpr ControlKind kLabel{"STATIC", 0};
inline constexpr ControlKind kEdit{"EDIT", 0};
inline constexpr ControlKind kListBox{"LISTBOX", 0};

// Where a control lies in the client area at 96 dots per inch, its width and height; or, for an
// item of a radio group, which group and which item, laid out as the group lays out its items.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int itemOfGroup = 0;  // the group's identifier, for an item
  int item = 0;
};
constexpr Box ItemOf(int group, int item) { return {0, 0, 0, 0, group, item}; }

inline constexpr int kNoStop = -1;
inline constexpr int kDialogFontHeight = 12;  // every control's, at 96 dots per inch, unless its row says

// One control of a dialog's layout. The rows are made in their order, which is also their
// stacking order, but for group boxes, which lie under everything they frame, and rows `onTop`.
// Tab goes through the stops in the order of their numbers, which need not be the rows' order;
// radio buttons that share a number are one stop, a radio set.
struct ControlRow {
  int id = 0;
  ControlKind kind;
  const char* text = "";  // Shift-JIS
  Box box;
  int stop = kNoStop;
  DWORD style = 0;  // besides the kind's
  int fontHeight = kDialogFontHeight;
  bool onTop = false;
};

// Which way an exchange between controls and settings goes.
enum class Exchange { ToControls, ToSettings };

class DialogForm : public Window {
 public:
  DialogForm(const DialogForm&) = delete;
  DialogForm& operator=(const DialogForm&) = delete;

 protected:
  // The density is read once: the dialog is laid out at it.
  DialogForm();
  // The controls go before the fonts they use.
  ~DialogForm() override { Destroy(); }

  // Creates the dialog window: a caption with only the system menu, a single fixed border, the
  // client area of this size at 96 dots per inch; owned by `owner`.
  void CreateDialogWindow(const WindowClass& windowClass, std::string_view caption, int clientWidth, int clientHeight,
                          HWND owner);
  // Creates the controls of the layout and their Tab stops.
  void CreateControls(std::span<const ControlRow> layout);
  // At 96 dots per inch, scaled to the screen's density: every position and size, the client
  // area's and the fonts' too, by the screen's dots per inch over 96, rounded as MulDiv rounds.
  int Scaled(int at96) const { return MulDiv(at96, pixelsPerInch_, 96); }
  HWND Item(int id) const { return GetDlgItem(Handle(), id); }

  // The exchange of one setting with its control: to the controls, a control shows what it is
  // given; to the settings, the setting takes what the control shows. A control that already
  // shows the value is left alone, so a dialog that shows the settings again disturbs nothing.
  // A radio set from `first` to `last` shows its item `shown` and gives the checked one's index.
  void ExchangeRadio(Exchange direction, int first, int last, int shown, int32_t& setting);
  // A check box is ticked when `shown` and gives 1 when ticked, else 0.
  void ExchangeCheck(Exchange direction, int id, bool shown, int32_t& setting);
  // An edit of a number shows `shown` and gives what it holds, at most `most`; 0 when empty.
  void ExchangeNumber(Exchange direction, int id, int shown, int most, int32_t& setting);

  // The keyboard. Tab and Shift+Tab go through the stops in their order, passing over what is
  // disabled; from no stop, Tab goes to the first and Shift+Tab to the last. A radio set is entered
  // at its checked item, and the arrow keys move to the next or previous item and choose it, as a
  // click does. Escape is Cancel; there is no default button, so Enter presses the focused push
  // button and on any other control does nothing, and Space is the button's own. The keys are
  // our own and not the system's dialog manager's, because Tab goes in an order of its own, not
  // the stacking order that overlapping controls need, and because of that missing default button.
  //
  // A command of a control, by the user or the keys: a click, after which a radio button clicked
  // is its set's chosen one and a check box clicked has changed its tick; IDCANCEL also for Escape
  // and the close box; for an edit, a change the user typed; for an up-down control, a step.
  virtual void Command(int id) = 0;

  // Places the window over the middle of its owner, wholly on a monitor.
  void CentreOverOwner();

  // The colour dialog, starting at `colour`; whether the user chose one.
  bool ChooseColour(int32_t& colour);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PreTranslateMessage(const MSG& msg) override;

 private:
  HFONT FontOfHeight(int at96);
  RECT ScaledBox(const Box& box) const;
  RECT Place(const ControlRow& row, std::span<const ControlRow> layout);
  void Click(int id);
  const std::vector<int>* StopOf(int id) const;
  HWND StopTarget(const std::vector<int>& stop) const;
  // `from` is the focused control's identifier, 0 when none of them has the focus.
  void MoveFocus(int from, bool backwards);
  bool ChooseInRadioSet(int focused, bool backwards);

  int pixelsPerInch_;
  std::map<int, FontHandle> fonts_;  // by character height at 96 dots per inch
  std::vector<std::vector<int>> stops_;
  HWND lastFocus_ = nullptr;  // the control the focus goes back to when the dialog is active again
  std::array<COLORREF, 16> customColours_{};
};

// Whether a button (check box or radio button) is checked, and checking or clearing one; no
// command runs for a change made here.
inline bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline void SetCheck(HWND control, bool checked) {
  SendMessageA(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace tezun
