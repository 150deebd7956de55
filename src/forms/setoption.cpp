#include "setoption.h"

#include <commdlg.h>

#include "calendar_options.h"
#include "render/calendar_renderer.h"
#include "render/preview_picture.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr WindowClass kClass{kSettingClass, 0, COLOR_BTNFACE + 1};

// The form as it was drawn, at 96 dots per inch; it scales with the screen's density as a form
// scales itself. Positions are in the client area: the form's own, relative to each control's
// parent, summed (the calendar group lies at (8, 88), and in it the font group at (136, 16)).
constexpr int kClientWidth = 362;
constexpr int kClientHeight = 339;
constexpr int kMemoFontHeight = 11;  // the memo's; every other control's is the dialog's

using C = TfrmSetting;
constexpr ControlRow kLayout[] = {
    {C::gbWallpaper, kGroupBox, kWallpaperGroup, {8, 8, 265, 73}},
    {C::optCenter, kRadioButton, kCenter, {24, 24, 89, 17}, 0},
    {C::optTile, kRadioButton, kTile, {24, 40, 89, 17}, 0},
    {C::chkCenter, kCheckBox, kCenterAnchor, {56, 56, 121, 17}, 1},
    {C::gbCarender, kGroupBox, kCalendarGroup, {8, 88, 265, 241}},
    // Two radio groups. "選択" lies over the right end of the second group's second item: above
    // it, so that it is seen and clicked, and the item is clipped where they overlap.
    {C::rgDayOfWeek, kGroupBox, kDayOfWeekGroup, {16, 104, 121, 49}},
    {C::rgDayOfWeekJapanese, kRadioButton, kJapaneseNames, ItemOf(C::rgDayOfWeek, 0), 2, WS_CLIPSIBLINGS},
    {C::rgDayOfWeekEnglish, kRadioButton, kEnglishNames, ItemOf(C::rgDayOfWeek, 1), 2, WS_CLIPSIBLINGS},
    {C::rgTodayColor, kGroupBox, kTodayGroup, {16, 160, 121, 49}},
    {C::rgTodayColorTransparent, kRadioButton, kTransparent, ItemOf(C::rgTodayColor, 0), 3, WS_CLIPSIBLINGS},
    {C::rgTodayColorColoured, kRadioButton, kColoured, ItemOf(C::rgTodayColor, 1), 3, WS_CLIPSIBLINGS},
    {C::btnTodayColor, kPushButton, kChoose, {88, 188, 41, 17}, 4, 0, kDialogFontHeight, true},
    {C::gbFont, kGroupBox, kFontGroup, {144, 104, 121, 185}},
    {C::btnDayOfWeek, kPushButton, kDayOfWeekFont, {152, 128, 105, 25}, 5},
    {C::btnWeekDay, kPushButton, kWeekdayFont, {152, 160, 105, 25}, 6},
    {C::btnSaturday, kPushButton, kSaturdayFont, {152, 192, 105, 25}, 7},
    {C::btnSunday, kPushButton, kSundayFont, {152, 224, 105, 25}, 8},
    {C::btnHoliday, kPushButton, kHolidayFont, {152, 256, 105, 25}, 9},
    // Its nine lines wrap to more than it can show: it scrolls.
    {C::Memo1,
     kEdit,
     kMemoText,
     {16, 216, 121, 105},
     kNoStop,
     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
     kMemoFontHeight},
    {C::btnOK, kPushButton, "OK", {280, 8, 75, 25}, 10},
    {C::btnCancel, kPushButton, "Cancel", {280, 40, 75, 25}, 11},
    {C::btnOptions, kPushButton, kOptionsButton, {280, 240, 75, 25}, 12},
    {C::btnBGColor, kPushButton, kBgColor, {280, 272, 75, 25}, 13},
    {C::btnPreview, kPushButton, kPreview, {280, 304, 75, 25}, 14},
};

}  // namespace

TfrmSetting::TfrmSetting(HWND owner, SettingsSession& session)
    : session_(session), listener_(session, [this] { DoExchange(Exchange::ToControls); }) {
  CreateDialogWindow(kClass, kSettingCaption, kClientWidth, kClientHeight, owner);
  CreateControls(kLayout);
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kHolidayLawCommand, kHolidayLawItem);
  calender_ = std::make_unique<TfrmCalender>(owner, session);
  preview_ = std::make_unique<TfrmPreview>(owner);
}

TfrmSetting::~TfrmSetting() {
  preview_.reset();
  calender_.reset();
}

void TfrmSetting::DoExchange(Exchange direction) {
  TCalendarSettings& s = session_.Edited();
  // A stored value other than 0 shows as the second choice, and is 1 from then on.
  ExchangeRadio(direction, optCenter, optTile, s.Style1 != 0, s.Style1);
  ExchangeCheck(direction, chkCenter, s.Style2 != 0, s.Style2);
  ExchangeRadio(direction, rgDayOfWeekJapanese, rgDayOfWeekEnglish, s.DayOfWeekStyle != 0, s.DayOfWeekStyle);
  ExchangeRadio(direction, rgTodayColorTransparent, rgTodayColorColoured, s.TodayStyle != 0, s.TodayStyle);
  if (direction == Exchange::ToSettings) return;
  // The tiles' anchor can be chosen only for tiles, today's colour only for a coloured mark.
  EnableWindow(Item(chkCenter), s.Style1 != 0);
  EnableWindow(Item(btnTodayColor), s.TodayStyle != 0);
  const bool law = HolidayRulesOf(s) == HolidayRuleSet::Current;
  CheckMenuItem(GetSystemMenu(Handle(), FALSE), kHolidayLawCommand, MF_BYCOMMAND | (law ? MF_CHECKED : 0));
}

void TfrmSetting::Edited() {
  DoExchange(Exchange::ToSettings);
  session_.Changed();
}

void TfrmSetting::Command(int id) {
  TCalendarSettings& s = session_.Edited();
  switch (id) {
    case optCenter:
    case optTile:
    case chkCenter:
    case rgDayOfWeekJapanese:
    case rgDayOfWeekEnglish:
    case rgTodayColorTransparent:
    case rgTodayColorColoured:
      Edited();
      break;
    case btnTodayColor:
      if (ChooseColour(s.TodayColor)) session_.Changed();
      break;
    case btnBGColor:
      if (ChooseColour(s.BgColor)) session_.Changed();
      break;
    case btnDayOfWeek:
      EditCalFont(s.Fonts.DayOfWeek);
      break;
    case btnWeekDay:
      EditCalFont(s.Fonts.Weekday);
      break;
    case btnSaturday:
      EditCalFont(s.Fonts.Saturday);
      break;
    case btnSunday:
      EditCalFont(s.Fonts.Sunday);
      break;
    case btnHoliday:
      EditCalFont(s.Fonts.Holiday);
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
  TCalendarSettings& s = session_.Edited();
  const RECT bounds = calender_->Bounds();
  const SIZE client = calender_->ClientSize();
  s.Left = bounds.left;
  s.Top = bounds.top;
  s.Width = client.cx;
  s.Height = client.cy;
}

void TfrmSetting::btnPreviewClick() {
  CaptureGeometry();
  preview_->Image1().SetPicture(ComposePreview(picture_, session_.Edited()).release());
  calender_->Hide();
  preview_->ShowModal();
  calender_->ShowWithoutActivating();
  preview_->Image1().SetPicture(nullptr);  // a screen-sized picture is not kept for nothing
}

void TfrmSetting::btnOptionsClick() {
  TfrmCalendarOptions options(Handle(), session_);
  options.ShowModal();
}

void TfrmSetting::HolidayLawClick() {
  TCalendarSettings& s = session_.Edited();
  s.HolidayRules = HolidayRulesOf(s) == HolidayRuleSet::Current ? 0 : 1;
  session_.Changed();
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

  font.Assign(log);
  font.Color = static_cast<int32_t>(choose.rgbColors);
  CaptureCalFont(record, font);
  session_.Changed();
}

void TfrmSetting::FormShow() {
  // The dialog opens with the stored settings, as its controls show them.
  DoExchange(Exchange::ToControls);
  Edited();
}

void TfrmSetting::FormShown() {
  // After the dialog, so that it lies above it wherever the two overlap (they do at their default
  // positions): it is topmost, but Wine's X11 driver without a window manager stacks a window
  // that shows later above the others. For the same reason the dialog opens with the focus on
  // itself, as a plain window does: a control taking the focus raises its dialog there. Tab
  // then goes to the first stop, Shift+Tab to the last.
  calender_->ShowWithoutActivating();
}

void TfrmSetting::FormClose() { calender_->Hide(); }

LRESULT TfrmSetting::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kHolidayLawCommand) {
    HolidayLawClick();
    return 0;
  }
  return DialogForm::HandleMessage(message, wParam, lParam);
}

}  // namespace tezun
