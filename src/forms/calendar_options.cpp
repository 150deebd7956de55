#include "calendar_options.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "core/month_title.h"
#include "graphics/graphics_error.h"
#include "own_days_editor.h"
#include "render/system_eras.h"
#include "render/today.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr int kClientWidth = 339;
constexpr int kClientHeight = 299;

// "西暦 (2026年12月)": a title choice with this month in its form.
std::string TitleChoice(const char* name, TitleForm form) {
  const auto day = CalendarDay(Today());
  if (!day) return name;
  return std::string(name) + " (" + MonthTitle(std::chrono::year_month_day{*day}, form, SystemEras()) + ")";
}

}  // namespace

TfrmCalendarOptions::TfrmCalendarOptions(HWND owner, TCalendarSettings& settings, TfrmCalender& calender)
    : settings_(settings), calender_(calender) {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  CreateDialogWindow(kOptionsClass, kOptionsCaption, kClientWidth, kClientHeight, owner);
  CreateControls();
}

void TfrmCalendarOptions::CreateControls() {
  const DWORD radio = BS_RADIOBUTTON, group = BS_GROUPBOX | WS_GROUP, push = BS_PUSHBUTTON | WS_GROUP;
  AddControl("BUTTON", kWeekStartGroup, group, 8, 8, 233, 41, gbWeekStart);
  AddControl("BUTTON", kWeekStartsSunday, radio | WS_GROUP, 24, 24, 89, 17, optSunday);
  AddControl("BUTTON", kWeekStartsMonday, radio, 128, 24, 89, 17, optMonday);
  AddStop({optSunday, optMonday});

  AddControl("BUTTON", kTitleGroup, group, 8, 56, 233, 97, gbTitle);
  const std::string choices[] = {kTitleNone, TitleChoice(kTitleWestern, TitleForm::Western),
                                 TitleChoice(kTitleEra, TitleForm::Era),
                                 TitleChoice(kTitleEnglish, TitleForm::English)};
  for (int i = 0; i < 4; ++i) {
    AddControl("BUTTON", choices[i].c_str(), radio | (i == 0 ? WS_GROUP : 0), 24, 72 + 18 * i, 209, 17,
               optTitleNone + i);
  }
  AddStop({optTitleNone, optTitleWestern, optTitleEra, optTitleEnglish});

  AddControl("BUTTON", kPanelGroup, group, 8, 160, 233, 49, gbPanel);
  AddControl("STATIC", kOpacity, WS_GROUP, 24, 182, 52, 13, lblOpacity);
  HWND edit = AddControl("EDIT", "", ES_NUMBER | WS_BORDER | WS_GROUP, 80, 178, 41, 21, edtOpacity);
  SendMessageA(edit, EM_LIMITTEXT, 3, 0);
  HWND updown = AddControl(UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
                           0, 0, udOpacity);
  SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageA(updown, UDM_SETRANGE32, 0, 100);
  AddControl("STATIC", "%", 0, 128, 182, 12, 13, lblPercent);
  AddControl("BUTTON", kColourButton, push, 152, 176, 75, 25, btnPanelColor);
  AddStop({edtOpacity});
  AddStop({btnPanelColor});

  AddControl("BUTTON", kOutlineGroup, group, 8, 216, 233, 49, gbOutline);
  AddControl("BUTTON", kOutlineCheck, BS_CHECKBOX | WS_GROUP, 24, 236, 121, 17, chkOutline);
  AddControl("BUTTON", kColourButton, push, 152, 232, 75, 25, btnOutlineColor);
  AddStop({chkOutline});
  AddStop({btnOutlineColor});

  AddControl("BUTTON", kHolidayLawItem, BS_CHECKBOX | WS_GROUP, 16, 274, 225, 17, chkHolidayLaw);
  AddStop({chkHolidayLaw});

  AddControl("BUTTON", "OK", push, 256, 8, 75, 25, btnOK);
  AddControl("BUTTON", "Cancel", push, 256, 40, 75, 25, btnCancel);
  AddControl("BUTTON", kOwnDaysButton, push, 256, 88, 75, 25, btnOwnDays);
  AddStop({btnOK});
  AddStop({btnCancel});
  AddStop({btnOwnDays});

  // The group boxes lie under everything they frame.
  for (int box : {gbWeekStart, gbTitle, gbPanel, gbOutline}) {
    SetWindowPos(Item(box), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TfrmCalendarOptions::CheckRadio(int first, int last, int checked) {
  for (int id = first; id <= last; ++id) SetCheck(Item(id), id == checked);
}

void TfrmCalendarOptions::FormShow() {
  CentreOverOwner();

  atOpen_ = settings_;
  showing_ = true;
  CheckRadio(optSunday, optMonday, FirstWeekday(settings_) == 2 ? optMonday : optSunday);
  CheckRadio(optTitleNone, optTitleEnglish, optTitleNone + TitleStyle(settings_));
  SendMessageA(Item(udOpacity), UDM_SETPOS32, 0, PanelPercent(settings_));
  SetCheck(Item(chkOutline), Outlined(settings_));
  SetCheck(Item(chkHolidayLaw), HolidayRulesOf(settings_) == HolidayRuleSet::Current);
  showing_ = false;
}

void TfrmCalendarOptions::Click(int id) {
  switch (id) {
    case optSunday:
    case optMonday:
      CheckRadio(optSunday, optMonday, id);
      settings_.WeekStart = id == optMonday ? 1 : 0;
      break;
    case optTitleNone:
    case optTitleWestern:
    case optTitleEra:
    case optTitleEnglish:
      CheckRadio(optTitleNone, optTitleEnglish, id);
      settings_.Title = id - optTitleNone;
      break;
    case btnPanelColor:
      if (!ChooseColour(settings_.PanelColor)) return;
      break;
    case chkOutline:
      settings_.Outline = IsChecked(Item(chkOutline)) ? 0 : 1;
      SetCheck(Item(chkOutline), settings_.Outline == 1);
      break;
    case btnOutlineColor:
      if (!ChooseColour(settings_.OutlineColor)) return;
      break;
    case btnOwnDays: {
      TfrmOwnDays editor(Handle(), settings_.OwnDays);
      if (editor.ShowModal() != mrOk) return;
      settings_.OwnDays = editor.List();
      break;
    }
    case chkHolidayLaw:
      settings_.HolidayRules = IsChecked(Item(chkHolidayLaw)) ? 0 : 1;
      SetCheck(Item(chkHolidayLaw), settings_.HolidayRules == 1);
      break;
    case btnOK:
      EndModal(mrOk);
      return;
    case btnCancel:
      // Everything as it was when this window opened; the settings dialog's own Cancel discards
      // the rest.
      for (const ExtraOptionEntry& entry : kExtraOptions) settings_.*entry.field = atOpen_.*entry.field;
      settings_.OwnDays = atOpen_.OwnDays;
      Changed();
      EndModal(mrCancel);
      return;
    default:
      return;
  }
  Changed();
}

void TfrmCalendarOptions::edtOpacityChange() {
  if (showing_) return;
  BOOL read = FALSE;
  const UINT percent = GetDlgItemInt(Handle(), edtOpacity, &read, FALSE);
  settings_.PanelOpacity = read ? static_cast<int32_t>(std::min<UINT>(percent, 100)) : 0;
  if (read && percent > 100) {
    showing_ = true;
    SetDlgItemInt(Handle(), edtOpacity, 100, FALSE);  // as far as it goes
    showing_ = false;
  }
  Changed();
}

LRESULT TfrmCalendarOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == edtOpacity && HIWORD(wParam) == EN_CHANGE) {
    edtOpacityChange();
    return 0;
  }
  return DialogForm::HandleMessage(message, wParam, lParam);
}

}  // namespace tezun
