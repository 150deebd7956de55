#include "dialog_form.h"

#include <commdlg.h>

#include <algorithm>

#include "graphics/graphics_error.h"
#include "graphics/screen.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // single fixed border, system menu only

int TextHeight(HFONT font) {
  ScreenDC screen;
  const Selection selected(screen.get(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.get(), &metrics);
  return metrics.tmHeight;
}

// A radio group shares its client height below its caption among its two items, as the group
// box of a radio group lays them out: (height - caption - 5) / 2 each, the rest as top margin;
// `inset` in from its left, `narrower` than it. In pixels: from the scaled group and the height of
// its scaled font, never scaled again.
RECT RadioGroupItem(const RECT& group, int item, int captionHeight, int inset, int narrower) {
  const int space = (group.bottom - group.top) - captionHeight - 5;
  const int height = space / 2;
  const int left = group.left + inset, top = group.top + captionHeight + 1 + (space % 2) / 2 + item * height;
  return {left, top, left + (group.right - group.left) - narrower, top + height};
}

bool IsGroupBox(const ControlRow& row) {
  return std::string_view(row.kind.className) == "BUTTON" && (row.kind.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// The dialogs' font, "ＭＳ Ｐゴシック", at a character height in pixels.
FontHandle MakeDialogFont(int height) {
  FontHandle font(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kDialogFontName));
  if (!font) throw EOutOfResources("cannot create the dialog's font");
  return font;
}

}  // namespace

DialogForm::DialogForm() : pixelsPerInch_(ScreenPixelsPerInch()) {}

void DialogForm::CreateDialogWindow(const WindowClass& windowClass, std::string_view caption, int clientWidth,
                                    int clientHeight, HWND owner) {
  RECT frame{0, 0, Scaled(clientWidth), Scaled(clientHeight)};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  Create(windowClass, 0, kDialogStyle, caption, RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top}, owner);
}

HFONT DialogForm::FontOfHeight(int at96) {
  FontHandle& font = fonts_[at96];
  if (!font) font = MakeDialogFont(Scaled(at96));
  return font.get();
}

RECT DialogForm::ScaledBox(const Box& box) const {
  return {Scaled(box.left), Scaled(box.top), Scaled(box.left) + Scaled(box.width),
          Scaled(box.top) + Scaled(box.height)};
}

RECT DialogForm::Place(const ControlRow& row, std::span<const ControlRow> layout) {
  const Box& box = row.box;
  if (!box.itemOfGroup) return ScaledBox(box);
  const auto group =
      std::find_if(layout.begin(), layout.end(), [&](const ControlRow& r) { return r.id == box.itemOfGroup; });
  return RadioGroupItem(ScaledBox(group->box), box.item, TextHeight(FontOfHeight(group->fontHeight)), Scaled(8),
                        Scaled(10));
}

void DialogForm::CreateControls(std::span<const ControlRow> layout) {
  int previousStop = kNoStop;
  for (const ControlRow& row : layout) {
    // A group starts at each stop (a radio set's first item) and at each frame, as in a dialog box.
    const bool startsGroup = IsGroupBox(row) || (row.stop != kNoStop && row.stop != previousStop);
    previousStop = row.stop;
    const RECT at = Place(row, layout);
    HWND control = CreateWindowExA(0, row.kind.className, row.text,
                                   WS_CHILD | WS_VISIBLE | row.kind.style | row.style | (startsGroup ? WS_GROUP : 0),
                                   at.left, at.top, at.right - at.left, at.bottom - at.top, Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), ModuleInstance(), nullptr);
    if (!control) throw EOutOfResources("cannot create a control");
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOfHeight(row.fontHeight)), FALSE);
    // It lies over a control made before it, which is clipped where they overlap.
    if (row.onTop) SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  // The group boxes lie under everything they frame.
  for (const ControlRow& row : layout) {
    if (!IsGroupBox(row)) continue;
    SetWindowPos(Item(row.id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  std::vector<const ControlRow*> stops;
  for (const ControlRow& row : layout) {
    if (row.stop != kNoStop) stops.push_back(&row);
  }
  std::stable_sort(stops.begin(), stops.end(), [](const auto* a, const auto* b) { return a->stop < b->stop; });
  for (size_t i = 0; i < stops.size(); ++i) {
    if (i == 0 || stops[i]->stop != stops[i - 1]->stop) stops_.emplace_back();
    stops_.back().push_back(stops[i]->id);
  }
}

void DialogForm::ExchangeRadio(Exchange direction, int first, int last, int shown, int32_t& setting) {
  int checked = -1;
  for (int id = first; id <= last; ++id) {
    if (IsChecked(Item(id))) checked = id - first;
  }
  if (direction == Exchange::ToSettings) {
    if (checked >= 0) setting = checked;
  } else if (checked != shown) {
    CheckRadioButton(Handle(), first, last, first + shown);
  }
}

void DialogForm::ExchangeCheck(Exchange direction, int id, bool shown, int32_t& setting) {
  if (direction == Exchange::ToSettings) {
    setting = IsChecked(Item(id)) ? 1 : 0;
  } else if (IsChecked(Item(id)) != shown) {
    SetCheck(Item(id), shown);
  }
}

void DialogForm::ExchangeNumber(Exchange direction, int id, int shown, int most, int32_t& setting) {
  BOOL read = FALSE;
  const UINT number = GetDlgItemInt(Handle(), id, &read, FALSE);
  if (direction == Exchange::ToSettings) {
    setting = read ? static_cast<int32_t>(std::min<UINT>(number, static_cast<UINT>(most))) : 0;
  } else if (!read || number != static_cast<UINT>(shown)) {
    SetDlgItemInt(Handle(), id, static_cast<UINT>(shown), FALSE);
  }
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

const std::vector<int>* DialogForm::StopOf(int id) const {
  const auto stop = std::find_if(stops_.begin(), stops_.end(), [&](const std::vector<int>& ids) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  });
  return stop != stops_.end() ? &*stop : nullptr;
}

void DialogForm::Click(int id) {
  // The dialog's buttons check themselves no more than a dialog box's plain ones do.
  const HWND control = Item(id);
  const LONG_PTR type = control ? GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK : -1;
  const std::vector<int>* stop = StopOf(id);
  if (type == BS_RADIOBUTTON && stop) CheckRadioButton(Handle(), stop->front(), stop->back(), id);
  if (type == BS_CHECKBOX) SetCheck(control, !IsChecked(control));
  Command(id);
}

HWND DialogForm::StopTarget(const std::vector<int>& stop) const {
  const auto checked = std::find_if(stop.begin(), stop.end(), [&](int id) { return IsChecked(Item(id)); });
  return Item(checked != stop.end() && stop.size() > 1 ? *checked : stop.front());
}

void DialogForm::MoveFocus(int from, bool backwards) {
  const size_t count = stops_.size();
  const std::vector<int>* stop = StopOf(from);
  const size_t at = stop ? static_cast<size_t>(stop - stops_.data()) : backwards ? 0 : count - 1;
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
  const std::vector<int>* stop = StopOf(focused);
  if (!stop || stop->size() < 2) return false;
  const size_t count = stop->size();
  const auto index = static_cast<size_t>(std::find(stop->begin(), stop->end(), focused) - stop->begin());
  const int other = (*stop)[(index + (backwards ? count - 1 : 1)) % count];
  SetFocus(Item(other));
  Click(other);
  return true;
}

bool DialogForm::PreTranslateMessage(const MSG& msg) {
  if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
  // Whatever comes next may disable the dialog (a common dialog, the preview), which takes the
  // focus away before the dialog hears that it is no longer active.
  const HWND focused = GetFocus();
  if (IsChild(Handle(), focused)) lastFocus_ = focused;
  const int focusedId = IsChild(Handle(), focused) ? GetDlgCtrlID(focused) : 0;  // 0: none of the controls

  if (msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_TAB:
      MoveFocus(focusedId, GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      Command(IDCANCEL);
      return true;
    case VK_RETURN: {
      // Only a push button has something to press. An edit of many lines takes it for a new line;
      // on a radio button, a check box, another edit or the memo, Enter does nothing at all.
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
    case WM_COMMAND: {
      // An edit tells of every change, the ones made from code too; only the user's mark it modified.
      auto* const control = reinterpret_cast<HWND>(lParam);
      if (HIWORD(wParam) == BN_CLICKED) Click(LOWORD(wParam));
      if (HIWORD(wParam) == EN_CHANGE && SendMessageA(control, EM_GETMODIFY, 0, 0)) Command(LOWORD(wParam));
      return 0;
    }
    case WM_VSCROLL:  // a step of an up-down control
      if (lParam) Command(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return 0;
    case WM_CLOSE:
      Command(IDCANCEL);
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
