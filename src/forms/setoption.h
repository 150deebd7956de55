// The settings dialog: every setting of the calendar and the wallpaper, changed in memory at once
// and shown in the placement window; a full-screen preview; OK to keep them.
#pragma once

#include <memory>
#include <vector>

#include "calender.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "dialog_form.h"
#include "graphics/bitmap.h"
#include "preview.h"

namespace tezun {

class TfrmSetting : public DialogForm {
 public:
  // The controls' identifiers. Escape is Cancel; there is no default button, so Enter presses
  // the push button that has the focus, as Space does, and on any other control does nothing.
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
  TfrmSetting(HWND owner, TCalendarSettings& settings);
  TfrmSetting(const TfrmSetting&) = delete;
  TfrmSetting& operator=(const TfrmSetting&) = delete;
  // Destroys the preview, the placement window and the dialog, in this order, and the picture.
  ~TfrmSetting() override;

  // The wallpaper picture the preview is composed from.
  TBitmap& Picture() { return picture_; }
  TfrmCalender& Calender() { return *calender_; }
  // The caption bar in screen coordinates: what the user drags the dialog by.
  RECT TitleBar() const;

  // Shows the dialog until OK, Cancel or the close box; then the placement window is closed.
  int ShowModal();

  // The system menu's item that switches between the built-in holiday table and the holiday law
  // in force on each date. It is not one of the dialog's controls, so their layout and Tab order
  // stay as they are.
  static constexpr UINT kHolidayLawCommand = 0x0010;  // below 0xF000, low four bits clear
  // The options beyond the thirty whose meaning the user changed in this dialog.
  std::vector<const ExtraOptionEntry*> ChangedOptions() const;
  bool OwnDaysChanged() const { return settings_.OwnDays != atShow_.OwnDays; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void FormShow() override;
  void FormShown() override;
  void Click(int id) override;

 private:
  void AddRadioGroup(Control group, const char* caption, int left, int top, const char* first, const char* second);
  void CreateControls();

  // Checks a control from code; its click handler runs when its state changes, as for a user's click.
  void SetChecked(Control id, bool checked);
  void SetItemIndex(Control group, int index);
  int ItemIndex(Control group) const;

  void optCenterClick();
  void optTileClick();
  void chkCenterClick();
  void rgDayOfWeekClick();
  void rgTodayColorClick();
  void btnTodayColorClick();
  void btnBGColorClick();
  void btnOKClick();
  void btnPreviewClick();
  void btnOptionsClick();
  void HolidayLawClick();
  void CheckHolidayLawItem();
  void EditCalFont(TCalFont& record);
  void CaptureGeometry();

  TCalendarSettings& settings_;
  TBitmap picture_;
  std::unique_ptr<TfrmCalender> calender_;
  std::unique_ptr<TfrmPreview> preview_;
  FontHandle memoFont_;       // the memo's, a pixel smaller than the dialog's
  TCalendarSettings atShow_;  // the options as the dialog opened with them
};

// Whether SettingPlugIn's dialog is open. A host's timer may call the plug-in again from within
// the dialog's message loop; such a call must leave the dialog's settings alone.
bool SettingsDialogOpen();
// Brings the open dialog, or the window it has open over it, to the front.
void BringSettingsDialogToFront();

// The sequence of SettingPlugIn between opening and closing the store: the three windows, the
// settings loaded, the dialog run, the settings saved on OK (with the holiday rules when the user
// switched them) and the window positions always.
// The host's picture (or none) becomes the dialog's and is deleted with it.
void RunSettingsSequence(HWND owner, SettingsStore& store, TCalendarSettings& settings, BitmapHandle hostPicture);

}  // namespace tezun
