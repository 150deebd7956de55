#include "setoption.h"

#include <commdlg.h>

#include "calendar_options.h"
#include "graphics/graphics_error.h"
#include "graphics/screen.h"
#include "render/calendar_renderer.h"
#include "render/low_colour_display.h"
#include "render/wallpaper_composer.h"
#include "texts.h"

namespace tezun {
namespace {

// The layout is given at 96 dots per inch, as the form was drawn, and scales with the screen's
// density as the form scales itself. (The placement window and the preview are in wallpaper
// pixels and do not.)
constexpr int kClientWidth = 362;
constexpr int kClientHeight = 339;
constexpr int kMemoFontHeight = 11;  // the memo's; every other control's is the dialog's

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

}  // namespace

TfrmSetting::TfrmSetting(HWND owner, TCalendarSettings& settings)
    : settings_(settings), memoFont_(MakeDialogFont(Scaled(kMemoFontHeight))) {
  CreateDialogWindow(kSettingClass, kSettingCaption, kClientWidth, kClientHeight, owner);
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

void TfrmSetting::AddRadioGroup(Control group, const char* caption, int left, int top, const char* first,
                                const char* second) {
  constexpr int kWidth = 121, kHeight = 49;
  AddControl("BUTTON", caption, BS_GROUPBOX | WS_GROUP, left, top, kWidth, kHeight, group);
  const int captionHeight = TextHeight(DialogFont());
  const char* items[] = {first, second};
  for (int i = 0; i < 2; ++i) {
    const ItemLayout item = RadioItem(Scaled(kHeight), i, captionHeight);
    AddScaledControl("BUTTON", items[i], BS_RADIOBUTTON | WS_CLIPSIBLINGS | (i == 0 ? WS_GROUP : 0),
                     Scaled(left) + Scaled(8), Scaled(top) + item.top, Scaled(kWidth) - Scaled(10), item.height,
                     group + 1 + i);
  }
  AddStop({group + 1, group + 2});
}

void TfrmSetting::CreateControls() {
  // Positions at 96 dots per inch, each control's relative to its parent in the layout: the
  // wallpaper group at (8, 8), the calendar group at (8, 88) and in it the font group at (136, 16).
  // Their sums, the positions in the client area, are what scales with the density.
  AddControl("BUTTON", kWallpaperGroup, BS_GROUPBOX | WS_GROUP, 8, 8, 265, 73, gbWallpaper);
  AddControl("BUTTON", kCenter, BS_RADIOBUTTON | WS_GROUP, 8 + 16, 8 + 16, 89, 17, optCenter);
  AddControl("BUTTON", kTile, BS_RADIOBUTTON, 8 + 16, 8 + 32, 89, 17, optTile);
  AddControl("BUTTON", kCenterAnchor, BS_CHECKBOX | WS_GROUP, 8 + 48, 8 + 48, 121, 17, chkCenter);
  AddStop({optCenter, optTile});
  AddStop({chkCenter});

  AddControl("BUTTON", kCalendarGroup, BS_GROUPBOX | WS_GROUP, 8, 88, 265, 241, gbCarender);
  AddRadioGroup(rgDayOfWeek, kDayOfWeekGroup, 8 + 8, 88 + 16, kJapaneseNames, kEnglishNames);
  AddRadioGroup(rgTodayColor, kTodayGroup, 8 + 8, 88 + 72, kTransparent, kColoured);
  AddControl("BUTTON", kChoose, BS_PUSHBUTTON | WS_GROUP, 8 + 80, 88 + 100, 41, 17, btnTodayColor);
  AddStop({btnTodayColor});
  // It sits over the right end of the second item: above it, so that it is seen and clicked,
  // and the item is clipped where they overlap.
  SetWindowPos(Item(btnTodayColor), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  AddControl("BUTTON", kFontGroup, BS_GROUPBOX | WS_GROUP, 8 + 136, 88 + 16, 121, 185, gbFont);
  const std::pair<Control, const char*> fontButtons[] = {{btnDayOfWeek, kDayOfWeekFont},
                                                         {btnWeekDay, kWeekdayFont},
                                                         {btnSaturday, kSaturdayFont},
                                                         {btnSunday, kSundayFont},
                                                         {btnHoliday, kHolidayFont}};
  int top = 88 + 16 + 24;
  for (const auto& [id, caption] : fontButtons) {
    AddControl("BUTTON", caption, BS_PUSHBUTTON | WS_GROUP, 8 + 136 + 8, top, 105, 25, id);
    AddStop({id});
    top += 32;
  }
  AddControl("EDIT", kMemoText, ES_MULTILINE | ES_READONLY | WS_GROUP, 8 + 8, 88 + 128, 121, 105, Memo1,
             memoFont_.get());

  const std::pair<Control, const char*> buttons[] = {{btnOK, "OK"},
                                                     {btnCancel, "Cancel"},
                                                     {btnOptions, kOptionsButton},
                                                     {btnBGColor, kBgColor},
                                                     {btnPreview, kPreview}};
  const int tops[] = {8, 40, 240, 272, 304};
  for (size_t i = 0; i < std::size(buttons); ++i) {
    AddControl("BUTTON", buttons[i].second, BS_PUSHBUTTON | WS_GROUP, 280, tops[i], 75, 25, buttons[i].first);
    AddStop({buttons[i].first});
  }

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
  SetCheck(Item(id), checked);
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
    SetCheck(Item(group + 1 + i), i == index);
  }
  if (group == rgDayOfWeek) rgDayOfWeekClick();
  if (group == rgTodayColor) rgTodayColorClick();
}

void TfrmSetting::Click(int id) {
  switch (id) {
    case optCenter:
    case optTile:
      SetChecked(static_cast<Control>(id), true);
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
    case btnOptions:
      btnOptionsClick();
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

void TfrmSetting::btnOptionsClick() {
  TfrmCalendarOptions options(Handle(), settings_, *calender_);
  options.ShowModal();
  CheckHolidayLawItem();  // the window has the same choice as the system menu
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

// ---- Showing and messages.

void TfrmSetting::FormShow() {
  // The dialog starts with nothing checked, so each of these runs its handler (the tick of
  // chkCenter only when it ticks): values other than 0 and 1 become 1.
  SetChecked(settings_.Style1 == 0 ? optCenter : optTile, true);
  SetChecked(chkCenter, settings_.Style2 != 0);
  SetItemIndex(rgDayOfWeek, settings_.DayOfWeekStyle != 0 ? 1 : 0);
  SetItemIndex(rgTodayColor, settings_.TodayStyle != 0 ? 1 : 0);
  atShow_ = settings_;
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

LRESULT TfrmSetting::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kHolidayLawCommand) {
    HolidayLawClick();
    return 0;
  }
  return DialogForm::HandleMessage(message, wParam, lParam);
}

std::vector<const ExtraOptionEntry*> TfrmSetting::ChangedOptions() const {
  std::vector<const ExtraOptionEntry*> changed;
  for (const ExtraOptionEntry& entry : kExtraOptions) {
    if (entry.meaning(settings_.*entry.field) != entry.meaning(atShow_.*entry.field)) changed.push_back(&entry);
  }
  return changed;
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

  // The list is not lost: it stays stored as it is unless the user writes a new one.
  if (settings.OwnDaysTooLong) MessageBoxA(owner, kStoredOwnDaysTooLong, "Tezun", MB_OK | MB_ICONWARNING);
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
      // Only what the user changed is written: a dialog left alone writes what it always has.
      for (const ExtraOptionEntry* option : dialog.ChangedOptions()) {
        store.WriteSettingInteger("Option", option->name, settings.*option->field);
      }
      if (dialog.OwnDaysChanged()) store.WriteSettingText("Option", "OwnDays", settings.OwnDays.Text());
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
