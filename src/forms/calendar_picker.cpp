#include "calendar_picker.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

#include "graphics/code_page.h"
#include "texts.h"

namespace tezun {
namespace {

enum MenuItem : UINT { kFile = 1, kFolder };

// The dialogs are asked in UTF-16, so that a name Shift-JIS cannot hold is seen, not garbled.
std::wstring Wide(std::string_view text) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(932, 0, text.data(), length, nullptr, 0);
  std::wstring wide(size > 0 ? static_cast<size_t>(size) : 0, L'\0');
  if (size > 0) MultiByteToWideChar(932, 0, text.data(), length, wide.data(), size);
  return wide;
}

// A list of the Open dialog's file types, through the NUL after its last pair: the string's own
// terminator makes the second NUL that ends it.
std::string_view FilterText(const char* filter) {
  size_t end = 0;
  while (filter[end] != '\0' || filter[end + 1] != '\0') ++end;
  return {filter, end + 1};
}

std::wstring ChooseFile(HWND owner) {
  wchar_t path[MAX_PATH] = {};
  const std::wstring filter = Wide(FilterText(kEventFileFilter));
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = owner;
  open.lpstrFilter = filter.c_str();
  open.lpstrFile = path;
  open.nMaxFile = MAX_PATH;
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  return GetOpenFileNameW(&open) ? path : L"";
}

struct IdListDeleter {
  void operator()(ITEMIDLIST* list) const { ILFree(list); }
};

std::wstring ChooseFolder(HWND owner) {
  wchar_t name[MAX_PATH] = {};
  const std::wstring title = Wide(kEventFolderTitle);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.pszDisplayName = name;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  const std::unique_ptr<ITEMIDLIST, IdListDeleter> chosen(SHBrowseForFolderW(&browse));
  wchar_t path[MAX_PATH] = {};
  return chosen && SHGetPathFromIDListW(chosen.get(), path) ? path : L"";
}

}  // namespace

std::optional<PickedCalendar> PickCalendar(HWND owner, HWND button) {
  const HMENU menu = CreatePopupMenu();
  if (!menu) return std::nullopt;
  AppendMenuA(menu, MF_STRING, kFile, kAddEventFile);
  AppendMenuA(menu, MF_STRING, kFolder, kAddEventFolder);
  RECT place{};
  GetWindowRect(button, &place);
  const auto item = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD, place.left, place.bottom, 0, owner, nullptr));  // its top-left corner there
  DestroyMenu(menu);
  if (item != kFile && item != kFolder) return std::nullopt;
  const std::wstring chosen = item == kFile ? ChooseFile(owner) : ChooseFolder(owner);
  if (chosen.empty()) return std::nullopt;
  const auto path = ToCodePage932(std::u16string(chosen.begin(), chosen.end()));
  if (!path) return PickedCalendar{{}, kPathNotShiftJis};
  if (path->find(';') != std::string::npos) return PickedCalendar{{}, kPathWithSemicolon};
  return PickedCalendar{*path, nullptr};
}

}  // namespace tezun
