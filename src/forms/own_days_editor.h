// "自分の休日": the user's own days off and working days, a line each, as the list stores them,
// with an import of the Cabinet Office's holiday file or of a list of the same form.
#pragma once

#include <string>

#include "core/own_days.h"
#include "dialog_form.h"

namespace tezun {

class TfrmOwnDays : public DialogForm {
 public:
  enum Control : int {
    btnOK = IDOK,
    btnCancel = IDCANCEL,
    lblHint = 100,
    edtDays,
    btnImport,
  };

  // Created hidden, owned by the options window, showing `list`.
  TfrmOwnDays(HWND owner, const OwnDayList& list);

  // After OK: the list as the user left it.
  const OwnDayList& List() const { return list_; }

 protected:
  void FormShow() override;
  void Click(int id) override;

 private:
  void btnOKClick();
  void btnImportClick();
  std::string EditText() const;
  void Tell(const std::string& message, UINT icon);

  OwnDayList list_;
  std::string shown_;  // the list's text as the edit shows it, CR LF between lines
};

}  // namespace tezun
