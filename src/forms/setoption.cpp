#include "setoption.h"

#include <commdlg.h>

#include "graphics/graphics_error.h"
#include "graphics/screen.h"
#include "render/calendar_renderer.h"
#include "render/low_colour_display.h"
#include "render/wallpaper_composer.h"
#include "texts.h"

namespace tezun {
namespace {

// The layout is given at 96 dots per inch, as the form was drawn. At another density every
// position and size, the client area's and the fonts' too, scales by the screen's dots per inch
// over 96, rounded as MulDiv rounds, as the form scales itself. (The placement window and the
// preview are in wallpaper pixels and do not.)
int Scaled(int at96) { return MulDiv(at96, ScreenPixelsPerInch(), 96); }

constexpr int kClientWidth = 362;
constexpr int kClientHeight = 339;
constexpr int kFontHeight = 12;                                     // every control's
constexpr int kMemoFontHeight = 11;                                 // the memo's
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // single fixed border, system menu only

// The radio groups' items share the group's client height below its caption, as the group box
// of a radio group lays them out: (height - caption - 5) / items each, the rest as top margin.
// In pixels: from the scaled group and the height of its scaled font, never scaled again.
struct ItemLayout {
  int top;
  int height;
};
ItemLayout RadioItem(int groupHeight, int index, int captionHeight) {
  const int space = groupHeight - captionHeight - 5;
  const int height = space / 2;
  return {captionHeight + 1 + (space % 2) / 2 + index * height, height};
}

int TextHeight(HFONT font) {
  ScreenDC screen;
  const Selection selected(screen.get(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.get(), &metrics);
  return metrics.tmHeight;
}

FontHandle DialogFont(int height) {
  FontHandle font(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kDialogFontName));
  if (!font) throw EOutOfResources("cannot create the dialog's font");
  return font;
}

bool IsChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

TfrmSetting::TfrmSetting(HWND owner, TCalendarSettings& settings)
    : settings_(settings), font_(DialogFont(Scaled(kFontHeight))), memoFont_(DialogFont(Scaled(kMemoFontHeight))) {
  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  Create(kSettingClass, 0, kDialogStyle, kSettingCaption,
         RECT{0, 0, frame.right - frame.left, frame.bottom - frame.top}, owner);
  CreateControls();
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kHolidayLawCommand, kHolidayLawItem);
  calender_ = std::make_unique<TfrmCalender>(owner, settings);
  preview_ = std::make_unique<TfrmPreview>(owner);
}

TfrmSetting::~TfrmSetting() {
  preview_.reset();
  calender_.reset();
  Destroy();  // the controls go before the fonts they use
}

void TfrmSetting::AddControl(const char* className, const char* text, DWORD style, int left, int top, int width,
                             int height, Control id, HFONT font) {
  AddScaledControl(className, text, style, Scaled(left), Scaled(top), Scaled(width), Scaled(height), id, font);
}

void TfrmSetting::AddScaledControl(const char* className, const char* text, DWORD style, int left, int top, int width,
                                   int height, Control id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, left, top, width, height, Handle(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleInstance(), nullptr);
  if (!control) throw EOutOfResources("cannot create a control");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void TfrmSetting::AddRadioGroup(Control group, const char* caption, int left, int top, const char* first,
                                const char* second) {
  constexpr int kWidth = 121, kHeight = 49;
  AddControl("BUTTON", caption, BS_GROUPBOX | WS_GROUP, left, top, kWidth, kHeight, group, font_.get());
  const int captionHeight = TextHeight(font_.get());
  const char* items[] = {first, second};
  for (int i = 0; i < 2; ++i) {
    const ItemLayout item = RadioItem(Scaled(kHeight), i, captionHeight);
    AddScaledControl("BUTTON", items[i], BS_RADIOBUTTON | WS_CLIPSIBLINGS | (i == 0 ? WS_GROUP : 0),
                     Scaled(left) + Scaled(8), Scaled(top) + item.top, Scaled(kWidth) - Scaled(10), item.height,
                     static_cast<Control>(group + 1 + i), font_.get());
  }
  tabOrder_.push_back(group);
}

void TfrmSetting::CreateControls() {
  // Positions at 96 dots per inch, each control's relative to its parent in the layout: the
  // wallpaper group at (8, 8), the calendar group at (8, 88) and in it the font group at (136, 16).
  // Their sums, the positions in the client area, are what scales with the density.
  const HFONT font = font_.get();
  AddControl("BUTTON", kWallpaperGroup, BS_GROUPBOX | WS_GROUP, 8, 8, 265, 73, gbWallpaper, font);
  AddControl("BUTTON", kCenter, BS_RADIOBUTTON | WS_GROUP, 8 + 16, 8 + 16, 89, 17, optCenter, font);
  AddControl("BUTTON", kTile, BS_RADIOBUTTON, 8 + 16, 8 + 32, 89, 17, optTile, font);
  AddControl("BUTTON", kCenterAnchor, BS_CHECKBOX | WS_GROUP, 8 + 48, 8 + 48, 121, 17, chkCenter, font);
  tabOrder_ = {optCenter, chkCenter};

  AddControl("BUTTON", kCalendarGroup, BS_GROUPBOX | WS_GROUP, 8, 88, 265, 241, gbCarender, font);
  AddRadioGroup(rgDayOfWeek, kDayOfWeekGroup, 8 + 8, 88 + 16, kJapaneseNames, kEnglishNames);
  AddRadioGroup(rgTodayColor, kTodayGroup, 8 + 8, 88 + 72, kTransparent, kColoured);
  AddControl("BUTTON", kChoose, BS_PUSHBUTTON | WS_GROUP, 8 + 80, 88 + 100, 41, 17, btnTodayColor, font);
  // It sits over the right end of the second item: above it, so that it is seen and clicked,
  // and the item is clipped where they overlap.
  SetWindowPos(Item(btnTodayColor), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  AddControl("BUTTON", kFontGroup, BS_GROUPBOX | WS_GROUP, 8 + 136, 88 + 16, 121, 185, gbFont, font);
  const std::pair<Control, const char*> fontButtons[] = {{btnDayOfWeek, kDayOfWeekFont},
                                                         {btnWeekDay, kWeekdayFont},
                                                         {btnSaturday, kSaturdayFont},
                                                         {btnSunday, kSundayFont},
                                                         {btnHoliday, kHolidayFont}};
  int top = 88 + 16 + 24;
  for (const auto& [id, caption] : fontButtons) {
    AddControl("BUTTON", caption, BS_PUSHBUTTON | WS_GROUP, 8 + 136 + 8, top, 105, 25, id, font);
    top += 32;
  }
  AddControl("EDIT", kMemoText, ES_MULTILINE | ES_READONLY | WS_GROUP, 8 + 8, 88 + 128, 121, 105, Memo1,
             memoFont_.get());
  tabOrder_.insert(tabOrder_.end(), {btnTodayColor, btnDayOfWeek, btnWeekDay, btnSaturday, btnSunday, btnHoliday});

  AddControl("BUTTON", "OK", BS_PUSHBUTTON | WS_GROUP, 280, 8, 75, 25, btnOK, font);
  AddControl("BUTTON", "Cancel", BS_PUSHBUTTON | WS_GROUP, 280, 40, 75, 25, btnCancel, font);
  AddControl("BUTTON", kBgColor, BS_PUSHBUTTON | WS_GROUP, 280, 272, 75, 25, btnBGColor, font);
  AddControl("BUTTON", kPreview, BS_PUSHBUTTON | WS_GROUP, 280, 304, 75, 25, btnPreview, font);
  tabOrder_.insert(tabOrder_.end(), {btnOK, btnCancel, btnBGColor, btnPreview});

  // The group boxes lie under everything they frame.
  for (Control group : {gbWallpaper, gbCarender, rgDayOfWeek, rgTodayColor, gbFont}) {
    SetWindowPos(Item(group), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// ---- State set from code runs the handlers, as a click would.

// Checking one radio button unchecks its partner through this same function, one level deep.
// NOLINTNEXTLINE(misc-no-recursion)
void TfrmSetting::SetChecked(Control id, bool checked) {
  if (IsChecked(Item(id)) == checked) return;
  SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  switch (id) {
    case optCenter:
      if (checked) SetChecked(optTile, false), optCenterClick();
      break;
    case optTile:
      if (checked) SetChecked(optCenter, false), optTileClick();
      break;
    case chkCenter:
      chkCenterClick();
      break;
    default:
      break;
  }
}

int TfrmSetting::ItemIndex(Control group) const {
  if (IsChecked(Item(static_cast<Control>(group + 1)))) return 0;
  if (IsChecked(Item(static_cast<Control>(group + 2)))) return 1;
  return -1;
}

void TfrmSetting::SetItemIndex(Control group, int index) {
  if (ItemIndex(group) == index) return;
  for (int i = 0; i < 2; ++i) {
    SendMessageA(Item(static_cast<Control>(group + 1 + i)), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (group == rgDayOfWeek) rgDayOfWeekClick();
  if (group == rgTodayColor) rgTodayColorClick();
}

void TfrmSetting::Click(Control id) {
  switch (id) {
    case optCenter:
    case optTile:
      SetChecked(id, true);
      break;
    case chkCenter:
      SetChecked(chkCenter, !IsChecked(Item(chkCenter)));
      break;
    case rgDayOfWeekJapanese:
    case rgDayOfWeekEnglish:
      SetItemIndex(rgDayOfWeek, id - rgDayOfWeekJapanese);
      break;
    case rgTodayColorTransparent:
    case rgTodayColorColoured:
      SetItemIndex(rgTodayColor, id - rgTodayColorTransparent);
      break;
    case btnTodayColor:
      btnTodayColorClick();
      break;
    case btnBGColor:
      btnBGColorClick();
      break;
    case btnDayOfWeek:
      EditCalFont(settings_.Fonts.DayOfWeek);
      break;
    case btnWeekDay:
      EditCalFont(settings_.Fonts.Weekday);
      break;
    case btnSaturday:
      EditCalFont(settings_.Fonts.Saturday);
      break;
    case btnSunday:
      EditCalFont(settings_.Fonts.Sunday);
      break;
    case btnHoliday:
      EditCalFont(settings_.Fonts.Holiday);
      break;
    case btnOK:
      btnOKClick();
      break;
    case btnCancel:
      EndModal(mrCancel);
      break;
    case btnPreview:
      btnPreviewClick();
      break;
    default:
      break;
  }
}

// ---- The handlers.

void TfrmSetting::optCenterClick() {
  EnableWindow(Item(chkCenter), FALSE);
  settings_.Style1 = 0;
}

void TfrmSetting::optTileClick() {
  EnableWindow(Item(chkCenter), TRUE);
  settings_.Style1 = 1;
}

void TfrmSetting::chkCenterClick() { settings_.Style2 = IsChecked(Item(chkCenter)) ? 1 : 0; }

void TfrmSetting::rgDayOfWeekClick() {
  settings_.DayOfWeekStyle = ItemIndex(rgDayOfWeek);
  calender_->RefreshCalendarWindow();
}

void TfrmSetting::rgTodayColorClick() {
  EnableWindow(Item(btnTodayColor), ItemIndex(rgTodayColor) == 1);
  settings_.TodayStyle = ItemIndex(rgTodayColor);
  calender_->RefreshCalendarWindow();
}

void TfrmSetting::btnTodayColorClick() {
  if (!ChooseColour(settings_.TodayColor)) return;
  calender_->RefreshCalendarWindow();
}

void TfrmSetting::btnBGColorClick() {
  if (!ChooseColour(settings_.BgColor)) return;
  calender_->RefreshCalendarWindow();
}

void TfrmSetting::btnOKClick() {
  CaptureGeometry();
  EndModal(mrOk);
}

RECT TfrmSetting::TitleBar() const {
  RECT bar = Bounds();
  POINT client{0, 0};
  ClientToScreen(Handle(), &client);
  bar.bottom = client.y;
  return bar;
}

void TfrmSetting::CaptureGeometry() {
  // The calendar goes where the window's outer corner is, at the size of its client area.
  const RECT bounds = calender_->Bounds();
  const SIZE client = calender_->ClientSize();
  settings_.Left = bounds.left;
  settings_.Top = bounds.top;
  settings_.Width = client.cx;
  settings_.Height = client.cy;
}

void TfrmSetting::btnPreviewClick() {
  CaptureGeometry();
  TBitmap working;
  working.Assign(picture_);
  working.SetPixelFormat24();
  HBITMAP composed = working.Detach();
  try {
    ComposeWallpaper(composed, settings_);
  } catch (...) {
    working.Adopt(composed);  // the copy is still ours when the composition fails
    throw;
  }
  working.Adopt(composed);
  // Composed at the screen's real pixels, shown in the pixels this thread sees: on a scaled
  // screen the picture is larger than the preview, and is shown whole, smaller.
  working.ShrinkToFit(ScreenSize());
  if (IsLowColourDisplay(ScreenBitsPerPixel())) ReduceForLowColourDisplay(working);

  preview_->Image1().SetPicture(working.Detach());
  calender_->Hide();
  preview_->ShowModal();
  calender_->FormShow();
  preview_->Image1().SetPicture(nullptr);  // a screen-sized picture is not kept for nothing
}

void TfrmSetting::HolidayLawClick() {
  settings_.HolidayRules = HolidayRulesOf(settings_) == HolidayRuleSet::Current ? 0 : 1;
  CheckHolidayLawItem();
  calender_->RefreshCalendarWindow();
}

void TfrmSetting::CheckHolidayLawItem() {
  const bool current = HolidayRulesOf(settings_) == HolidayRuleSet::Current;
  CheckMenuItem(GetSystemMenu(Handle(), FALSE), kHolidayLawCommand, MF_BYCOMMAND | (current ? MF_CHECKED : 0));
}

void TfrmSetting::EditCalFont(TCalFont& record) {
  TFont font;
  font.SetName(kDialogFontName);  // the font dialog's own face, which an empty name leaves
  font.SetHeight(12);
  ApplyCalFont(font, record);

  LOGFONTA log = font.Log();
  CHOOSEFONTA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = Handle();
  choose.lpLogFont = &log;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = ColorToRGB(font.Color);
  if (!ChooseFontA(&choose)) return;  // cancelled: nothing changes

  font.SetName(log.lfFaceName);
  font.SetHeight(-log.lfHeight);
  font.SetStyle(static_cast<uint8_t>((log.lfWeight >= FW_BOLD ? fsBold : 0) | (log.lfItalic ? fsItalic : 0) |
                                     (log.lfUnderline ? fsUnderline : 0) | (log.lfStrikeOut ? fsStrikeOut : 0)));
  font.Color = static_cast<int32_t>(choose.rgbColors);
  CaptureCalFont(record, font);
  calender_->RefreshCalendarWindow();
}

bool TfrmSetting::ChooseColour(int32_t& colour) {
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

// ---- Showing and messages.

void TfrmSetting::FormShow() {
  // The dialog starts with nothing checked, so each of these runs its handler (the tick of
  // chkCenter only when it ticks): values other than 0 and 1 become 1.
  SetChecked(settings_.Style1 == 0 ? optCenter : optTile, true);
  SetChecked(chkCenter, settings_.Style2 != 0);
  SetItemIndex(rgDayOfWeek, settings_.DayOfWeekStyle != 0 ? 1 : 0);
  SetItemIndex(rgTodayColor, settings_.TodayStyle != 0 ? 1 : 0);
  rulesAtShow_ = HolidayRulesOf(settings_);
  CheckHolidayLawItem();
}

void TfrmSetting::FormShown() {
  // After the dialog, so that it lies above it wherever the two overlap (they do at their default
  // positions): it is topmost, but Wine's X11 driver without a window manager stacks a window
  // that shows later above the others. For the same reason the dialog opens with the focus on
  // itself, as a plain window does: a control taking the focus raises its dialog there. Tab
  // then goes to the first stop, Shift+Tab to the last.
  calender_->FormShow();
}

int TfrmSetting::ShowModal() {
  const int result = Window::ShowModal();
  calender_->Hide();  // FormClose
  return result;
}

namespace {

// The items of a Tab stop: a set of radio buttons is one stop, any other control is one alone.
std::pair<TfrmSetting::Control, TfrmSetting::Control> StopMembers(TfrmSetting::Control stop) {
  using C = TfrmSetting::Control;
  if (stop == C::optCenter) return {C::optCenter, C::optTile};
  if (stop == C::rgDayOfWeek || stop == C::rgTodayColor) return {static_cast<C>(stop + 1), static_cast<C>(stop + 2)};
  return {stop, stop};
}

}  // namespace

// A set of radio buttons is entered at its checked item.
HWND TfrmSetting::StopTarget(Control stop) const {
  const auto [first, second] = StopMembers(stop);
  return Item(IsChecked(Item(second)) ? second : first);
}

void TfrmSetting::MoveFocus(int from, bool backwards) {
  // Tab follows the dialog's own order, which the overlapping choose button keeps out of the
  // controls' stacking order. From no stop (or no control), Tab goes to the first stop and
  // Shift+Tab to the last.
  const size_t count = tabOrder_.size();
  size_t at = backwards ? 0 : count - 1;
  for (size_t i = 0; i < count; ++i) {
    const auto [first, second] = StopMembers(tabOrder_[i]);
    if (from == first || from == second) at = i;
  }
  for (size_t step = 1; step <= count; ++step) {
    const size_t next = (at + (backwards ? count - step : step)) % count;
    const HWND candidate = StopTarget(tabOrder_[next]);
    if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

bool TfrmSetting::ChooseInRadioSet(int focused) {
  // Each set has two items: every arrow key goes to the other one and checks it, as a click does.
  for (Control stop : {optCenter, rgDayOfWeek, rgTodayColor}) {
    const auto [first, second] = StopMembers(stop);
    if (focused != first && focused != second) continue;
    const Control other = focused == first ? second : first;
    SetFocus(Item(other));
    Click(other);
    return true;
  }
  return false;
}

bool TfrmSetting::PreTranslateMessage(const MSG& msg) {
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
      Click(btnCancel);
      return true;
    case VK_RETURN:
      // No default button: only a push button has something to press. On a radio button, the
      // check box or the memo, Enter does nothing at all.
      if (focusedId && (SendMessageA(focused, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        Click(static_cast<Control>(focusedId));
      }
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return ChooseInRadioSet(focusedId);  // elsewhere the control has them (the memo scrolls)
    default:
      return false;  // Space too: a button presses itself on it
  }
}

LRESULT TfrmSetting::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) Click(static_cast<Control>(LOWORD(wParam)));
      return 0;
    case WM_CLOSE:
      EndModal(mrCancel);
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != kHolidayLawCommand) return Default(message, wParam, lParam);
      HolidayLawClick();
      return 0;
    case WM_ACTIVATE:
      // As a dialog box: active again (after the preview, a common dialog, another program), the
      // focus goes back to the control that had it.
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && lastFocus_ && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
      }
      return 0;
    case WM_CTLCOLORSTATIC:  // the read-only memo takes the dialog's colour
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    default:
      return Default(message, wParam, lParam);
  }
}

// ---- The sequence.

namespace {

TfrmSetting* openDialog = nullptr;

ScreenPoint TopLeft(const RECT& bounds) { return {bounds.left, bounds.top}; }

// The dialog is open from its making to its end, message boxes about loading and saving included.
class OpenDialogScope {
 public:
  explicit OpenDialogScope(TfrmSetting& dialog) { openDialog = &dialog; }
  OpenDialogScope(const OpenDialogScope&) = delete;
  OpenDialogScope& operator=(const OpenDialogScope&) = delete;
  ~OpenDialogScope() { openDialog = nullptr; }
};

}  // namespace

bool SettingsDialogOpen() { return openDialog != nullptr; }

void BringSettingsDialogToFront() {
  if (!openDialog || !openDialog->Visible()) return;
  // A colour dialog or the preview open over it is what the user should see.
  SetForegroundWindow(GetLastActivePopup(openDialog->Handle()));
}

void RunSettingsSequence(HWND owner, SettingsStore& store, TCalendarSettings& settings, BitmapHandle hostPicture) {
  const FormClasses classes;
  TfrmSetting dialog(owner, settings);
  const OpenDialogScope open(dialog);
  try {
    LoadSettings(store, settings);
  } catch (const ERegistryException& error) {
    // A stored value that cannot be read: say which, and change nothing.
    ShowError(owner, error.what());
    return;
  }

  const ScreenPoint storedDialog = ReadDialogPosition(store);
  const ScreenPoint storedCalendar{settings.Left, settings.Top};
  SetWindowPos(dialog.Handle(), nullptr, storedDialog.x, storedDialog.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  dialog.Calender().Place(settings.Left, settings.Top, settings.Width, settings.Height);
  // A place stored before a monitor went, the resolution dropped or the scaling rose may be out of
  // reach: such a window opens on the nearest monitor instead.
  dialog.KeepWithinReach(dialog.TitleBar(), {40, 10});
  dialog.Calender().KeepWithinReach(dialog.Calender().Bounds(), {40, 40});
  const ScreenPoint openedDialog = TopLeft(dialog.Bounds());
  const ScreenPoint openedCalendar = TopLeft(dialog.Calender().Bounds());

  TBitmap& picture = dialog.Picture();
  picture.Adopt(hostPicture.release());
  if (!picture.Readable()) {
    // None, or one the host still has selected into a device context of its own, which nothing
    // can be copied from (it goes, as any picture handed in): the desktop colour stands for it,
    // so the preview shows what the main job composes from such a picture.
    picture.Adopt(nullptr);
    const SIZE screen = ScreenSize();
    picture.SetPixelFormat24();
    picture.SetSize(screen.cx, screen.cy);
    picture.Canvas().Brush.Color = clBackground;
    picture.Canvas().FillRect({0, 0, screen.cx, screen.cy});
  }
  picture.SetPixelFormat24();

  const int result = dialog.ShowModal();

  // What cannot be written is said, and the rest is still written: the user must know when the
  // settings were not kept.
  bool reported = false;
  auto report = [&](const std::exception& error) {
    if (!reported) ShowError(owner, error.what());
    reported = true;
  };
  if (result == mrOk) {
    try {
      SaveSettings(store, settings);
      // Only a switch the user made is written: a dialog left alone writes what it always has.
      if (dialog.HolidayRulesChanged()) store.WriteSettingInteger("Option", "HolidayRules", settings.HolidayRules);
    } catch (const ERegistryException& error) {
      report(error);
    }
  }
  ScreenPoint dialogAt = TopLeft(dialog.Bounds());
  ScreenPoint calendarAt = TopLeft(dialog.Calender().Bounds());
  // Only OK keeps a move made to bring a window within reach; a window the user left where it
  // opened is written back as it was stored.
  if (result != mrOk) {
    if (dialogAt == openedDialog) dialogAt = storedDialog;
    if (calendarAt == openedCalendar) calendarAt = storedCalendar;
  }
  try {
    WriteWindowPositions(store, dialogAt, calendarAt);
  } catch (const ERegistryException& error) {
    report(error);
  }
}

}  // namespace tezun
