#include "own_days_editor.h"

#include <commdlg.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>

#include "core/own_day_file.h"
#include "graphics/code_page.h"
#include "texts.h"

namespace tezun {
namespace {

constexpr WindowClass kClass{kOwnDaysClass, 0, COLOR_BTNFACE + 1};

// At 96 dots per inch, in the client area.
constexpr int kClientWidth = 362;
constexpr int kClientHeight = 300;
constexpr size_t kLargestFile = size_t{1024} * 1024;  // the official file is some 20 KiB
constexpr size_t kBadLinesShown = 5;

// The edit control breaks lines only at CR LF.
std::string WithCrLf(std::string_view text) {
  std::string out;
  for (const std::string_view line : SplitLines(text)) {
    if (!out.empty()) out += "\r\n";
    out += line;
  }
  if (text.ends_with('\n')) out += "\r\n";
  return out;
}

std::string Format(const char* pattern, unsigned number, const std::string& text = {}) {
  char message[512];
  std::snprintf(message, sizeof message, pattern, number, text.c_str());
  return message;
}

using C = TfrmOwnDays;
constexpr ControlRow kLayout[] = {
    {C::lblHint, kLabel, kOwnDaysHint, {8, 8, 264, 40}},
    {C::edtDays,
     kEdit,
     "",
     {8, 52, 264, 240},
     0,
     ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_BORDER},
    {C::btnOK, kPushButton, "OK", {280, 8, 75, 25}, 2},
    {C::btnCancel, kPushButton, "Cancel", {280, 40, 75, 25}, 3},
    {C::btnImport, kPushButton, kImportButton, {280, 88, 75, 25}, 1},
};

}  // namespace

TfrmOwnDays::TfrmOwnDays(HWND owner, OwnDayList list) : list_(std::move(list)) {
  CreateDialogWindow(kClass, kOwnDaysCaption, kClientWidth, kClientHeight, owner);
  CreateControls(kLayout);
  SendMessageA(Item(edtDays), EM_LIMITTEXT, 0, 0);  // as long as it likes; OK says when it is too long
}

void TfrmOwnDays::FormShow() {
  CentreOverOwner();
  SetDlgItemTextA(Handle(), edtDays, WithCrLf(list_.Text()).c_str());
}

std::string TfrmOwnDays::EditText() const {
  const int length = GetWindowTextLengthA(Item(edtDays));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(Item(edtDays), text.data(), length + 1)));
  return text;
}

void TfrmOwnDays::Tell(const std::string& message, UINT icon) {
  MessageBoxA(Handle(), message.c_str(), kOwnDaysCaption, MB_OK | icon);
}

void TfrmOwnDays::Command(int id) {
  switch (id) {
    case btnOK:
      btnOKClick();
      break;
    case btnCancel:
      EndModal(mrCancel);
      break;
    case btnImport:
      btnImportClick();
      break;
    default:
      break;
  }
}

void TfrmOwnDays::btnOKClick() {
  std::string text = EditText();
  // Untouched, the list stays byte for byte as it was stored, its line ends too.
  if (text == WithCrLf(list_.Text())) text = list_.Text();
  if (text.size() >= kMaxOwnDaysBytes) {
    Tell(kOwnDaysTooLong, MB_ICONWARNING);
    return;
  }
  OwnDayList list(std::move(text));
  if (!list.Rejected().empty()) {
    std::string message = kBadLines;
    for (size_t i = 0; i < list.Rejected().size() && i < kBadLinesShown; ++i) {
      message += "\r\n" + Format(kBadLine, static_cast<unsigned>(list.Rejected()[i].number), list.Rejected()[i].text);
    }
    if (list.Rejected().size() > kBadLinesShown) {
      message += "\r\n" + Format(kMoreBadLines, static_cast<unsigned>(list.Rejected().size() - kBadLinesShown));
    }
    Tell(message, MB_ICONWARNING);
    return;
  }
  list_ = std::move(list);
  EndModal(mrOk);
}

void TfrmOwnDays::btnImportClick() {
  char path[MAX_PATH] = {};
  OPENFILENAMEA open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = Handle();
  open.lpstrFilter = kImportFilter;
  open.lpstrFile = path;
  open.nMaxFile = sizeof path;
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&open)) return;

  std::ifstream file(path, std::ios::binary);
  std::string bytes;
  if (file) bytes.assign(std::istreambuf_iterator<char>(file), {});
  if (!file || bytes.size() > kLargestFile) {
    Tell(kCannotReadFile, MB_ICONWARNING);
    return;
  }
  const OwnDayFileImport imported = ImportOwnDayFile(bytes, ToCodePage932);
  if (imported.fault != OwnDayFileFault::None) {
    Tell(OwnDayFileRefusal(imported), MB_ICONWARNING);
    return;
  }
  std::string text = EditText();
  if (!text.empty() && !text.ends_with("\r\n")) text += "\r\n";
  text += imported.lines;
  SetWindowTextA(Item(edtDays), text.c_str());
}

}  // namespace tezun
