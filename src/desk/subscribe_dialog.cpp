#include "subscribe_dialog.h"

#include <algorithm>

#include "subscription_address.h"
#include "subscriptions.h"
#include "texts.h"

namespace tezun::desk {
namespace {

// The layout in dialog units, top to bottom and in Tab order; a class by its atom.
struct ControlRow {
  WORD id;
  WORD atom;  // 0x0080 button, 0x0082 static, 0x0085 combo box
  DWORD style;
  const char* text;
  short x, y, width, height;
};
constexpr WORD kButton = 0x0080, kStatic = 0x0082, kComboBox = 0x0085;
constexpr ControlRow kLayout[] = {
    {kPrompt, kStatic, SS_LEFT, kSubscribePrompt, 7, 7, 286, 9},
    {kAddressBox, kComboBox, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, "", 7, 19, 286, 80},
    {IDOK, kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, "OK", 117, 40, 50, 14},
    {kUnsubscribeButton, kButton, BS_PUSHBUTTON | WS_TABSTOP, kUnsubscribeText, 171, 40, 66, 14},
    {IDCANCEL, kButton, BS_PUSHBUTTON | WS_TABSTOP, kCancel, 241, 40, 52, 14},
};
constexpr short kWidth = 300, kHeight = 61;

// A dialog template in memory, as the dialog manager reads it: WORDs, each item on a DWORD.
class Template {
 public:
  void Word(WORD word) { words_.push_back(word); }
  void Dword(DWORD dword) {
    Word(LOWORD(dword));
    Word(HIWORD(dword));
  }
  void Text(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    Word(0);
  }
  void Align() {
    if (words_.size() % 2 != 0) Word(0);
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

Template Layout() {
  Template layout;
  layout.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  layout.Dword(0);
  layout.Word(static_cast<WORD>(std::size(kLayout)));
  for (const short place : {short{0}, short{0}, kWidth, kHeight}) layout.Word(static_cast<WORD>(place));
  layout.Word(0);  // no menu
  layout.Word(0);  // the dialog class
  layout.Text(Wide(kSubscribeTitle));
  layout.Word(9);
  layout.Text(L"MS Shell Dlg");  // the system's own face for dialogs, Japanese on a Japanese Windows
  for (const ControlRow& row : kLayout) {
    layout.Align();
    layout.Dword(WS_CHILD | WS_VISIBLE | row.style);
    layout.Dword(0);
    for (const short place : {row.x, row.y, row.width, row.height}) layout.Word(static_cast<WORD>(place));
    layout.Word(row.id);
    layout.Word(0xFFFF);
    layout.Word(row.atom);
    layout.Text(Wide(row.text));
    layout.Word(0);  // no creation data
  }
  return layout;
}

struct Exchange {
  const std::vector<std::wstring>* subscribed = nullptr;
  SubscribeChoice choice;
};

std::wstring AddressText(HWND dialog) {
  const HWND box = GetDlgItem(dialog, kAddressBox);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The choice of OK or 購読をやめる, when the address serves it; else the words why not.
void Choose(HWND dialog, Exchange& exchange, SubscribeAction action) {
  const AddressReading reading = ReadSubscriptionAddress(AddressText(dialog));
  std::wstring refusal;
  if (!reading.address) {
    refusal = Wide(kAddressRefused) + AddressFaultText(reading.fault);
  } else if (action == SubscribeAction::Unsubscribe &&
             std::find(exchange.subscribed->begin(), exchange.subscribed->end(), reading.address->text) ==
                 exchange.subscribed->end()) {
    refusal = Wide(kNotSubscribed);
  }
  if (!refusal.empty()) {
    MessageBoxW(dialog, refusal.c_str(), Wide(kSubscribeTitle).c_str(), MB_OK | MB_ICONWARNING);
    SetFocus(GetDlgItem(dialog, kAddressBox));
    return;
  }
  exchange.choice = {action, reading.address->text};
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      for (const std::wstring& address : *reinterpret_cast<Exchange*>(lParam)->subscribed) {
        SendDlgItemMessageW(dialog, kAddressBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(address.c_str()));
      }
      SetForegroundWindow(dialog);
      return TRUE;  // the focus goes to the address
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Choose(dialog, *exchange, SubscribeAction::Subscribe);
          return TRUE;
        case kUnsubscribeButton:
          Choose(dialog, *exchange, SubscribeAction::Unsubscribe);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

SubscribeChoice AskForSubscription(HWND owner, const std::vector<std::wstring>& subscribed) {
  const Template layout = Layout();
  Exchange exchange{&subscribed, {}};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner, Procedure,
                          reinterpret_cast<LPARAM>(&exchange));
  return exchange.choice;
}

}  // namespace tezun::desk
