// "カレンダーの詳細設定": the calendar's options beyond the settings dialog's own, in a modal
// dialog the settings dialog opens. Every change goes to the session at once, and so shows in the
// placement window; Cancel puts back what the settings were when it opened.
#pragma once

#include "dialog_form.h"
#include "settings_session.h"

namespace tezun {

inline constexpr char kOptionsClass[] = "TezunOptions";

class TfrmCalendarOptions : public DialogForm {
 public:
  enum Control : int {
    btnOK = IDOK,
    btnCancel = IDCANCEL,
    gbWeekStart = 100,
    optSunday,
    optMonday,
    gbTitle,
    optTitleNone,
    optTitleWestern,
    optTitleEra,
    optTitleEnglish,
    gbPanel,
    lblOpacity,
    edtOpacity,
    udOpacity,
    lblPercent,
    btnPanelColor,
    gbOutline,
    chkOutline,
    btnOutlineColor,
    chkHolidayLaw,
    btnOwnDays,
    gbDayNotes,
    chkDayNames,
    chkSolarTerms,
    chkRokuyo,
    chkZassetsu,
    chkEto,
    chkKaiun,
    chkMoonPhases,
    chkAdjacentDays,
    chkWeekNumbers,
    gbEvents,
    lstEvents,
    btnAddEvents,
    btnRemoveEvents,
    btnEventColor,
  };

  // Created hidden, owned by the settings dialog; it edits the session's settings.
  TfrmCalendarOptions(HWND owner, SettingsSession& session);

 protected:
  void FormShow() override;
  void Command(int id) override;

 private:
  // The controls and the session's settings, one way or the other.
  void DoExchange(Exchange direction);
  // The list of calendar files and folders: one added through the menu and its dialogs, the chosen
  // one removed.
  void btnAddEventsClick();
  void btnRemoveEventsClick();

  SettingsSession& session_;
  TCalendarSettings atOpen_;
  SettingsSession::Listener listener_;
};

}  // namespace tezun
