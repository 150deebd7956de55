#include "dialog_form.h"

#include <commdlg.h>

#include <algorithm>

#include "graphics/graphics_error.h"
#include "graphics/screen.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr int kFontHeight = 12;                                     // every control's, at 96 dots per inch
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // single fixed border, system menu only

}  // namespace

FontHandle MakeDialogFont(int height) {
  FontHandle font(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kDialogFontName));
  if (!font) throw EOutOfResources("cannot create the dialog's font");
  return font;
}

DialogForm::DialogForm() : pixelsPerInch_(ScreenPixelsPerInch()), font_(MakeDialogFont(Scaled(kFontHeight))) {}

void DialogForm::CreateDialogWindow(const char* className, std::string_view caption, int clientWidth, int clientHeight,
                                    HWND owner) {
  RECT frame{0, 0, Scaled(clientWidth), Scaled(clientHeight)};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  Create(className, 0, kDialogStyle, caption, RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top}, owner);
}

HWND DialogForm::AddControl(const char* className, const char* text, DWORD style, int left, int top, int width,
                            int height, int id, HFONT font) {
  return AddScaledControl(className, text, style, Scaled(left), Scaled(top), Scaled(width), Scaled(height), id, font);
}

HWND DialogForm::AddScaledControl(const char* className, const char* text, DWORD style, int left, int top, int width,
                                  int height, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height, Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), nullptr);
  if (!control) throw EOutOfResources("cannot create a control");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : font_.get()), FALSE);
  return control;
}

void DialogForm::CentreOverOwner() {
  RECT owner{};
  GetWindowRect(GetWindow(Handle(), GW_OWNER), &owner);
  const RECT self = Bounds();
  const int width = self.right - self.left, height = self.bottom - self.top;
  SetWindowPos(Handle(), nullptr, (owner.left + owner.right - width) / 2, (owner.top + owner.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepWithinReach(Bounds(), {width, height});
}

bool DialogForm::ChooseColour(int32_t& colour) {
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = Handle();
  choose.rgbResult = ColorToRGB(colour);
  choose.lpCustColors = customColours_.data();
  choose.Flags = CC_RGBINIT;
  if (!ChooseColorA(&choose)) return false;
  colour = static_cast<int32_t>(choose.rgbResult);
  return true;
}

HWND DialogForm::StopTarget(const std::vector<int>& stop) const {
  const auto checked = std::find_if(stop.begin(), stop.end(), [&](int id) { return IsChecked(Item(id)); });
  return Item(checked != stop.end() && stop.size() > 1 ? *checked : stop.front());
}

void DialogForm::MoveFocus(int from, bool backwards) {
  // Tab follows the dialog's own order, not the controls' stacking order, which overlapping
  // controls may need for themselves.
  const size_t count = stops_.size();
  size_t at = backwards ? 0 : count - 1;
  for (size_t i = 0; i < count; ++i) {
    if (std::find(stops_[i].begin(), stops_[i].end(), from) != stops_[i].end()) at = i;
  }
  for (size_t step = 1; step <= count; ++step) {
    const size_t next = (at + (backwards ? count - step : step)) % count;
    const HWND candidate = StopTarget(stops_[next]);
    if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

bool DialogForm::ChooseInRadioSet(int focused, bool backwards) {
  for (const std::vector<int>& stop : stops_) {
    const auto at = std::find(stop.begin(), stop.end(), focused);
    if (stop.size() < 2 || at == stop.end()) continue;
    const size_t count = stop.size(), index = static_cast<size_t>(at - stop.begin());
    const int other = stop[(index + (backwards ? count - 1 : 1)) % count];
    SetFocus(Item(other));
    Click(other);
    return true;
  }
  return false;
}

bool DialogForm::PreTranslateMessage(const MSG& msg) {
  if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
  // Whatever comes next may disable the dialog (a common dialog, the preview), which takes the
  // focus away before the dialog hears that it is no longer active.
  const HWND focused = GetFocus();
  if (IsChild(Handle(), focused)) lastFocus_ = focused;
  const int focusedId = IsChild(Handle(), focused) ? GetDlgCtrlID(focused) : 0;  // 0: none of the controls

  // The dialog's keys. The window is no system dialog box, so nothing else gives it them.
  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
      MoveFocus(focusedId, GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      Click(IDCANCEL);
      return true;
    case VK_RETURN: {
      // No default button: only a push button has something to press. An edit of many lines
      // takes it for a new line; on a radio button, a check box, another edit or the memo,
      // Enter does nothing at all.
      const LRESULT code = focusedId ? SendMessageA(focused, WM_GETDLGCODE, 0, 0) : 0;
      if ((code & DLGC_WANTALLKEYS) && (GetWindowLongA(focused, GWL_STYLE) & ES_WANTRETURN)) return false;
      if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) Click(focusedId);
      return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      // Elsewhere the control has them (the memo scrolls, an up-down control counts).
      return ChooseInRadioSet(focusedId, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
    default:
      return false;  // Space too: a button presses itself on it
  }
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) Click(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      Click(IDCANCEL);
      return 0;
    case WM_ACTIVATE:
      // As a dialog box: active again (after the preview, a common dialog, another program), the
      // focus goes back to the control that had it.
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && lastFocus_ && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
      }
      return 0;
    case WM_CTLCOLORSTATIC:  // read-only edits and labels take the dialog's colour
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace tezun
