// The settings dialog: every setting of the calendar and the wallpaper, changed at once in the
// session and shown in the placement window; a full-screen preview; OK to keep them.
#pragma once

#include <memory>

#include "calender.h"
#include "dialog_form.h"
#include "graphics/bitmap.h"
#include "preview.h"
#include "settings_session.h"

namespace tezun {

inline constexpr char kSettingClass[] = "TezunSetting";

class TfrmSetting : public DialogForm {
 public:
  // The controls' identifiers; the items of each radio set are consecutive.
  enum Control : int {
    btnOK = IDOK,
    btnCancel = IDCANCEL,
    gbWallpaper = 100,
    optCenter,
    optTile,
    chkCenter,
    gbCarender,
    rgDayOfWeek,
    rgDayOfWeekJapanese,
    rgDayOfWeekEnglish,
    rgTodayColor,
    rgTodayColorTransparent,
    rgTodayColorColoured,
    btnTodayColor,
    gbFont,
    btnDayOfWeek,
    btnWeekDay,
    btnSaturday,
    btnSunday,
    btnHoliday,
    Memo1,
    btnBGColor,
    btnPreview,
    btnOptions,
  };

  // Creates the dialog, then the placement window, then the preview, all hidden and owned by the
  // host's window; the wallpaper picture starts empty.
  TfrmSetting(HWND owner, SettingsSession& session);
  TfrmSetting(const TfrmSetting&) = delete;
  TfrmSetting& operator=(const TfrmSetting&) = delete;
  // Destroys the preview, the placement window and the dialog, in this order, and the picture.
  ~TfrmSetting() override;

  // The wallpaper picture the preview is composed from.
  TBitmap& Picture() { return picture_; }
  TfrmCalender& Calender() { return *calender_; }
  // The caption bar in screen coordinates: what the user drags the dialog by.
  RECT TitleBar() const;

  // The system menu's item that switches between the built-in holiday table and the holiday law
  // in force on each date. It is not one of the dialog's controls, so their layout and Tab order
  // stay as they are.
  static constexpr UINT kHolidayLawCommand = 0x0010;  // below 0xF000, low four bits clear

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void FormShow() override;
  void FormShown() override;
  void FormClose() override;
  void Command(int id) override;

 private:
  // The controls and the session's settings, one way or the other.
  void DoExchange(Exchange direction);
  // What the user set in the controls goes to the session, and is shown.
  void Edited();

  void btnOKClick();
  void btnPreviewClick();
  void btnOptionsClick();
  void HolidayLawClick();
  void EditCalFont(TCalFont& record);
  void CaptureGeometry();

  SettingsSession& session_;
  TBitmap picture_;
  std::unique_ptr<TfrmCalender> calender_;
  std::unique_ptr<TfrmPreview> preview_;
  SettingsSession::Listener listener_;
};

}  // namespace tezun
