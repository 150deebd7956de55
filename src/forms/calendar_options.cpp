#include "calendar_options.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar_picker.h"
#include "core/event_sources.h"
#include "core/month_title.h"
#include "own_days_editor.h"
#include "render/system_eras.h"
#include "render/today.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr WindowClass kClass{kOptionsClass, 0, COLOR_BTNFACE + 1};

// At 96 dots per inch, in the client area.
constexpr int kClientWidth = 609;
constexpr int kClientHeight = 407;
constexpr int kMostOpacity = 100;

// Placed by the edit it belongs to.
constexpr ControlKind kUpDown{UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS};

using C = TfrmCalendarOptions;
constexpr ControlRow kLayout[] = {
    {C::gbWeekStart, kGroupBox, kWeekStartGroup, {8, 8, 233, 41}},
    {C::optSunday, kRadioButton, kWeekStartsSunday, {24, 24, 89, 17}, 0},
    {C::optMonday, kRadioButton, kWeekStartsMonday, {128, 24, 89, 17}, 0},
    {C::gbTitle, kGroupBox, kTitleGroup, {8, 56, 233, 97}},
    {C::optTitleNone, kRadioButton, kTitleNone, {24, 72, 209, 17}, 1},
    {C::optTitleWestern, kRadioButton, kTitleWestern, {24, 90, 209, 17}, 1},
    {C::optTitleEra, kRadioButton, kTitleEra, {24, 108, 209, 17}, 1},
    {C::optTitleEnglish, kRadioButton, kTitleEnglish, {24, 126, 209, 17}, 1},
    {C::gbPanel, kGroupBox, kPanelGroup, {8, 160, 233, 49}},
    {C::lblOpacity, kLabel, kOpacity, {24, 182, 52, 13}},
    {C::edtOpacity, kEdit, "", {80, 178, 41, 21}, 2, ES_NUMBER | WS_BORDER},
    {C::udOpacity, kUpDown, "", {}},
    {C::lblPercent, kLabel, "%", {128, 182, 12, 13}},
    {C::btnPanelColor, kPushButton, kColourButton, {152, 176, 75, 25}, 3},
    {C::gbOutline, kGroupBox, kOutlineGroup, {8, 216, 233, 49}},
    {C::chkOutline, kCheckBox, kOutlineCheck, {24, 236, 121, 17}, 4},
    {C::btnOutlineColor, kPushButton, kColourButton, {152, 232, 75, 25}, 5},
    {C::chkHolidayLaw, kCheckBox, kHolidayLawItem, {16, 274, 225, 17}, 6},
    {C::gbDayNotes, kGroupBox, kDayNotesGroup, {8, 296, 233, 103}},
    {C::chkDayNames, kCheckBox, kDayNamesCheck, {24, 314, 121, 17}, 7},
    {C::chkSolarTerms, kCheckBox, kSolarTermsCheck, {152, 314, 81, 17}, 8},
    {C::chkRokuyo, kCheckBox, kRokuyoCheck, {24, 334, 121, 17}, 9},
    {C::chkZassetsu, kCheckBox, kZassetsuCheck, {152, 334, 81, 17}, 10},
    {C::chkEto, kCheckBox, kEtoCheck, {24, 354, 121, 17}, 11},
    {C::chkKaiun, kCheckBox, kKaiunCheck, {152, 354, 81, 17}, 12},
    {C::chkMoonPhases, kCheckBox, kMoonPhasesCheck, {24, 374, 121, 17}, 13},
    // A column of its own to the right, as tall as the window: paths are long, and the window fits
    // a small screen at 150%.
    {C::chkAdjacentDays, kCheckBox, kAdjacentDaysCheck, {352, 12, 137, 17}, 14},
    {C::chkWeekNumbers, kCheckBox, kWeekNumbersCheck, {496, 12, 97, 17}, 15},
    {C::gbEvents, kGroupBox, kEventsGroup, {344, 40, 257, 359}},
    {C::lstEvents,
     kListBox,
     "",
     {352, 58, 241, 299},
     16,
     LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_BORDER},
    {C::btnAddEvents, kPushButton, kAddEvents, {352, 366, 75, 25}, 17},
    {C::btnRemoveEvents, kPushButton, kRemoveEvents, {432, 366, 75, 25}, 18},
    {C::btnEventColor, kPushButton, kColourButton, {518, 366, 75, 25}, 19},
    {C::btnOK, kPushButton, "OK", {256, 8, 75, 25}, 20},
    {C::btnCancel, kPushButton, "Cancel", {256, 40, 75, 25}, 21},
    // Wider than OK and Cancel, to the left: its caption is longer, and fills 75 pixels to the frame.
    {C::btnOwnDays, kPushButton, kOwnDaysButton, {248, 88, 83, 25}, 22},
};

// The paths the list box shows, in its order.
std::vector<std::string> ListedPaths(HWND list) {
  std::vector<std::string> paths;
  const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<int>(SendMessageA(list, LB_GETTEXTLEN, i, 0));
    std::string path(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    path.resize(static_cast<size_t>(
        std::max<LRESULT>(0, SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(path.data())))));
    paths.push_back(std::move(path));
  }
  return paths;
}

// The paths in the list box, which scrolls across as far as the longest: shown again only when they
// differ, so that the one chosen stays chosen.
void ShowPaths(HWND list, const std::vector<std::string>& paths, int margin) {
  if (ListedPaths(list) == paths) return;
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  HDC dc = GetDC(list);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::string& path : paths) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SIZE size{};
    GetTextExtentPoint32A(dc, path.c_str(), static_cast<int>(path.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest) + static_cast<WPARAM>(margin), 0);
}

// The value that stores the paths: `;` between them.
std::string EventsValue(const std::vector<std::string>& paths) {
  std::string value;
  for (const std::string& path : paths) value += (value.empty() ? "" : ";") + path;
  return value;
}

// "西暦 (2026年12月)": a title choice with this month in its form.
std::string TitleChoice(const char* name, TitleForm form) {
  const auto day = CalendarDay(Today());
  if (!day) return name;
  return std::string(name) + " (" + MonthTitle(std::chrono::year_month_day{*day}, form, SystemEras()) + ")";
}

}  // namespace

TfrmCalendarOptions::TfrmCalendarOptions(HWND owner, SettingsSession& session)
    : session_(session), listener_(session, [this] { DoExchange(Exchange::ToControls); }) {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  CreateDialogWindow(kClass, kOptionsCaption, kClientWidth, kClientHeight, owner);
  CreateControls(kLayout);
  // The title's choices show this month in their form.
  const struct {
    int id;
    const char* name;
    TitleForm form;
  } titles[] = {{optTitleWestern, kTitleWestern, TitleForm::Western},
                {optTitleEra, kTitleEra, TitleForm::Era},
                {optTitleEnglish, kTitleEnglish, TitleForm::English}};
  for (const auto& title : titles) SetWindowTextA(Item(title.id), TitleChoice(title.name, title.form).c_str());
  SendMessageA(Item(edtOpacity), EM_LIMITTEXT, 3, 0);
  SendMessageA(Item(udOpacity), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Item(edtOpacity)), 0);
  SendMessageA(Item(udOpacity), UDM_SETRANGE32, 0, kMostOpacity);
}

void TfrmCalendarOptions::DoExchange(Exchange direction) {
  TCalendarSettings& s = session_.Edited();
  ExchangeRadio(direction, optSunday, optMonday, FirstWeekday(s) == 2 ? 1 : 0, s.WeekStart);
  ExchangeRadio(direction, optTitleNone, optTitleEnglish, TitleStyle(s), s.Title);
  ExchangeNumber(direction, edtOpacity, PanelPercent(s), kMostOpacity, s.PanelOpacity);
  ExchangeCheck(direction, chkOutline, Outlined(s), s.Outline);
  ExchangeCheck(direction, chkHolidayLaw, HolidayRulesOf(s) == HolidayRuleSet::Current, s.HolidayRules);
  const DayNoteChoice notes = DayNotesOf(s);
  ExchangeCheck(direction, chkDayNames, notes.names, s.DayNames);
  ExchangeCheck(direction, chkSolarTerms, notes.terms, s.SolarTerms);
  ExchangeCheck(direction, chkRokuyo, notes.rokuyo, s.Rokuyo);
  ExchangeCheck(direction, chkZassetsu, notes.zassetsu, s.Zassetsu);
  ExchangeCheck(direction, chkEto, notes.eto, s.Eto);
  ExchangeCheck(direction, chkKaiun, notes.kaiun, s.Kaiun);
  ExchangeCheck(direction, chkMoonPhases, MoonPhasesShown(s), s.MoonPhases);
  ExchangeCheck(direction, chkAdjacentDays, AdjacentDaysShown(s), s.AdjacentDays);
  ExchangeCheck(direction, chkWeekNumbers, WeekNumbersShown(s), s.WeekNumbers);
  if (direction == Exchange::ToControls) ShowPaths(Item(lstEvents), EventPaths(s.Events), Scaled(8));
}

void TfrmCalendarOptions::btnAddEventsClick() {
  const std::optional<PickedCalendar> picked = PickCalendar(Handle(), Item(btnAddEvents));
  if (!picked) return;
  if (picked->refusal) {
    MessageBoxA(Handle(), picked->refusal, kOptionsCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  TCalendarSettings& s = session_.Edited();
  std::vector<std::string> paths = EventPaths(s.Events);
  if (std::find(paths.begin(), paths.end(), picked->path) != paths.end()) return;  // listed already
  paths.push_back(picked->path);
  std::string value = EventsValue(paths);
  // A longer value would not be read back: the list would vanish at the next call.
  if (value.size() >= kMaxEventsBytes) {
    MessageBoxA(Handle(), kEventsTooLong, kOptionsCaption, MB_OK | MB_ICONWARNING);
    return;
  }
  s.Events = std::move(value);
  session_.Changed();
}

void TfrmCalendarOptions::btnRemoveEventsClick() {
  const auto chosen = static_cast<int>(SendMessageA(Item(lstEvents), LB_GETCURSEL, 0, 0));
  TCalendarSettings& s = session_.Edited();
  std::vector<std::string> paths = EventPaths(s.Events);
  if (chosen < 0 || static_cast<size_t>(chosen) >= paths.size()) return;
  paths.erase(paths.begin() + chosen);
  s.Events = EventsValue(paths);
  session_.Changed();
  const int count = static_cast<int>(paths.size());
  if (count > 0) SendMessageA(Item(lstEvents), LB_SETCURSEL, std::min(chosen, count - 1), 0);
}

void TfrmCalendarOptions::FormShow() {
  CentreOverOwner();
  atOpen_ = session_.Edited();
  DoExchange(Exchange::ToControls);
}

void TfrmCalendarOptions::Command(int id) {
  TCalendarSettings& s = session_.Edited();
  switch (id) {
    case optSunday:
    case optMonday:
    case optTitleNone:
    case optTitleWestern:
    case optTitleEra:
    case optTitleEnglish:
    case edtOpacity:
    case udOpacity:
    case chkOutline:
    case chkHolidayLaw:
    case chkDayNames:
    case chkSolarTerms:
    case chkRokuyo:
    case chkZassetsu:
    case chkEto:
    case chkKaiun:
    case chkMoonPhases:
    case chkAdjacentDays:
    case chkWeekNumbers:
      DoExchange(Exchange::ToSettings);
      session_.Changed();
      break;
    case btnPanelColor:
      if (ChooseColour(s.PanelColor)) session_.Changed();
      break;
    case btnOutlineColor:
      if (ChooseColour(s.OutlineColor)) session_.Changed();
      break;
    case btnAddEvents:
      btnAddEventsClick();
      break;
    case btnRemoveEvents:
      btnRemoveEventsClick();
      break;
    case btnEventColor: {
      int32_t colour = EventColour(s).value_or(s.Fonts.Weekday.Color);
      if (!ChooseColour(colour)) break;
      s.EventColor = colour;
      session_.Changed();
      break;
    }
    case btnOwnDays: {
      TfrmOwnDays editor(Handle(), s.OwnDays);
      if (editor.ShowModal() != mrOk) break;
      s.OwnDays = editor.List();
      session_.Changed();
      break;
    }
    case btnOK:
      EndModal(mrOk);
      break;
    case btnCancel:
      // Everything as it was when this window opened; the settings dialog's own Cancel discards
      // the rest.
      session_.Revert(atOpen_);
      EndModal(mrCancel);
      break;
    default:
      break;
  }
}

}  // namespace tezun
