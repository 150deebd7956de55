#include "own_days_editor.h"

#include <commdlg.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/own_day_file.h"
#include "graphics/code_page.h"
#include "texts.h"

namespace tezun {
namespace {

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

}  // namespace

TfrmOwnDays::TfrmOwnDays(HWND owner, const OwnDayList& list) : list_(list), shown_(WithCrLf(list.Text())) {
  CreateDialogWindow(kOwnDaysClass, kOwnDaysCaption, kClientWidth, kClientHeight, owner);
  AddControl("STATIC", kOwnDaysHint, 0, 8, 8, 264, 40, lblHint);
  AddControl(
      "EDIT", shown_.c_str(),
      ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_GROUP,
      8, 52, 264, 240, edtDays);
  SendMessageA(Item(edtDays), EM_LIMITTEXT, 0, 0);  // as long as it likes; OK says when it is too long
  const std::pair<Control, const char*> buttons[] = {{btnOK, "OK"}, {btnCancel, "Cancel"}, {btnImport, kImportButton}};
  const int tops[] = {8, 40, 88};
  for (size_t i = 0; i < std::size(buttons); ++i) {
    AddControl("BUTTON", buttons[i].second, BS_PUSHBUTTON | WS_GROUP, 280, tops[i], 75, 25, buttons[i].first);
  }
  for (int stop : {edtDays, btnImport, btnOK, btnCancel}) AddStop({stop});
}

void TfrmOwnDays::FormShow() { CentreOverOwner(); }

std::string TfrmOwnDays::EditText() const {
  const int length = GetWindowTextLengthA(Item(edtDays));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(Item(edtDays), text.data(), length + 1)));
  return text;
}

void TfrmOwnDays::Tell(const std::string& message, UINT icon) {
  MessageBoxA(Handle(), message.c_str(), kOwnDaysCaption, MB_OK | icon);
}

void TfrmOwnDays::Click(int id) {
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
  if (text == shown_) text = list_.Text();
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
