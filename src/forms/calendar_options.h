// "カレンダーの詳細設定": the calendar's options beyond the settings dialog's own, in a modal
// dialog the settings dialog opens. Every change shows in the placement window at once; Cancel
// puts back what the options were when it opened.
#pragma once

#include "calender.h"
#include "core/settings.h"
#include "dialog_form.h"

namespace tezun {

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
  };

  // Created hidden, owned by the settings dialog; it edits `settings` and redraws `calender`.
  TfrmCalendarOptions(HWND owner, TCalendarSettings& settings, TfrmCalender& calender);

 protected:
  void FormShow() override;
  void Click(int id) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void Changed() { calender_.RefreshCalendarWindow(); }
  void CheckRadio(int first, int last, int checked);
  void edtOpacityChange();

  TCalendarSettings& settings_;
  TfrmCalender& calender_;
  TCalendarSettings atOpen_;
  bool showing_ = false;  // the controls are being set from the settings: no handler runs
};

}  // namespace tezun
