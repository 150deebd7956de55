// "自分の休日": the user's own days off and working days, a line each, as the list stores them,
// with an import of the Cabinet Office's holiday file or of a list of the same form.
#pragma once

#include <string>

#include "core/own_days.h"
#include "dialog_form.h"

namespace tezun {

inline constexpr char kOwnDaysClass[] = "TezunOwnDays";

class TfrmOwnDays : public DialogForm {
 public:
  enum Control : int {
    btnOK = IDOK,
    btnCancel = IDCANCEL,
    lblHint = 100,
    edtDays,
    btnImport,
  };

  // Created hidden, owned by the options window, showing `list`; it hands back a list of its own on
  // OK, for the options window to keep.
  TfrmOwnDays(HWND owner, OwnDayList list);

  // After OK: the list as the user left it.
  const OwnDayList& List() const { return list_; }

 protected:
  void FormShow() override;
  void Command(int id) override;

 private:
  void btnOKClick();
  void btnImportClick();
  std::string EditText() const;
  void Tell(const std::string& message, UINT icon);

  OwnDayList list_;
};

}  // namespace tezun
